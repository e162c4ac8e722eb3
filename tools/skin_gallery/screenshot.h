#pragma once
// Running the gallery without a person: where the skins are, and a picture.

namespace gallery {

class GalleryDialog;

// The build draws the skins into <build>/Skin and the program lives in
// <build>/bin: resolve skin paths there when they exist, else against the
// current directory.
void UseSkinsBesideTheProgram();

// Shows the dialog modelessly, lets it paint, and saves it as a PNG.
// Returns false when the dialog or the file cannot be made.
bool WriteScreenshot(GalleryDialog& dialog, const char* path);

} // namespace gallery
