#!/usr/bin/env bash
# Builds the release preset when needed and starts the workbench host. On a
# machine without a display it opens the workbench offscreen and writes a
# picture of the window instead.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ! -f build/release/build.ninja ]]; then
    cmake --preset release
fi
cmake --build --preset release

host=build/release/bin/vesk
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$host" "$@"
fi

picture="${VESK_SCREENSHOT:-$PWD/build/release/vesk-workbench.png}"
echo "No display found: opening the workbench offscreen."
"$host" --screenshot "$picture" --open 1 >/dev/null
echo "Picture of the main window with the workbench open: $picture"
