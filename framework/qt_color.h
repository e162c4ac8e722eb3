#pragma once
// COLORREF (0x00BBGGRR) to and from QColor.

#include "framework/win_types.h"

#include <QColor>

namespace vesk {

inline QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline COLORREF FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

} // namespace vesk
