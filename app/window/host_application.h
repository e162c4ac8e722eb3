#pragma once
// The host program: reads the command line, sets up the services on the
// user's folders, shows the main window with the module loaded, and either
// runs the event loop or, in screenshot mode, writes a PNG and exits.

namespace vesk::app {

// The process's exit code: 0 on success, 1 for a failed screenshot or a
// module that cannot be loaded in screenshot mode, 2 for wrong arguments.
int RunHost(int argc, char** argv);

} // namespace vesk::app
