#pragma once
// CWaitCursor: shows the wait cursor for its scope; restored on every exit
// path, exceptions included. Nested guards stack.

namespace vesk {

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows it again after something (a message box) replaced it.
    void Restore();

private:
    bool m_active = false;
};

// True while any wait cursor is shown.
bool IsWaitCursorShown();

} // namespace vesk
