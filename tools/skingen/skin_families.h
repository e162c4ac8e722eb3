#pragma once
// Each family draws the skin files of one kind of control. Cell layouts are
// the ones the controls read; changing a size here breaks their drawing.

namespace skingen {

class SkinWriter;

void writeButtonStrips(SkinWriter& writer);   // WhiteBtn, BlueBtn
void writeTwoCellImages(SkinWriter& writer);  // Checked, CmbMode, Radio, Num0..Num9
void writeButtonIcons(SkinWriter& writer);    // Edit*, FltEdit
void writeFrameImages(SkinWriter& writer);    // FmTitle, FmSys*, DlgClose
void writeScrollBarImages(SkinWriter& writer);
void writeTabAndMenuImages(SkinWriter& writer); // TabHead, Checked.ico, Arr*75

} // namespace skingen
