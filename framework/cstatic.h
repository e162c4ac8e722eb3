#pragma once
// CStatic: a text label drawn transparently on its parent.

#include "framework/cwnd.h"

namespace vesk {

class CStatic : public CWnd {
public:
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
    using CWnd::Create;
};

} // namespace vesk
