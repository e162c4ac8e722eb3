#pragma once
// The program's icon, drawn as vectors at each size so small sizes stay
// crisp: three numbered balls above a filter funnel on a red tile.

#include <QImage>

#include <vector>

namespace app_icon {

// The sizes of the hicolor theme the icon is installed at.
std::vector<int> IconSizes();

// The icon at size x size pixels, transparent around the tile. The balls
// carry digits only from 32 pixels up, where they can be read.
QImage PaintAppIcon(int size);

} // namespace app_icon
