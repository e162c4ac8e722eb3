#pragma once
// The navigation tree's images, by the indices the module inserts items
// with: 0 folder, 1 leaf, 2 selected leaf. Drawn here rather than loaded, so
// the host needs no image files of its own.

#include <QImage>

#include <array>

namespace vesk::app {

std::array<QImage, 3> DrawTreeIcons(int size = 16);

} // namespace vesk::app
