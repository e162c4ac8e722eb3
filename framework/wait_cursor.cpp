// The wait cursor as a scope guard.
#include "framework/wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace vesk {

namespace {
int g_depth = 0;
}

CWaitCursor::CWaitCursor() { Restore(); }

CWaitCursor::~CWaitCursor()
{
    if (m_active) {
        QGuiApplication::restoreOverrideCursor();
        --g_depth;
    }
}

void CWaitCursor::Restore()
{
    if (m_active) {
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
        return;
    }
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    m_active = true;
    ++g_depth;
}

bool IsWaitCursorShown() { return g_depth > 0; }

} // namespace vesk
