#pragma once
// Helpers shared by the framework tests: a top-level host window and a
// window that records the messages it receives.

#include "framework/framework.h"

#include <QApplication>
#include <QTest>

#include <vector>

namespace vesk::test {

// A shown top-level plain window to put children in.
inline void CreateHost(CWnd& host, int width = 300, int height = 200)
{
    host.Create(nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(50, 50, 50 + width, 50 + height), nullptr, 0);
    // Synthetic pointer moves reach only exposed windows.
    (void)QTest::qWaitForWindowExposed(host.m_hWnd);
}

struct Recorded {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Records every message that reaches it, then lets the base handle it.
class RecordingWnd : public CWnd {
public:
    std::vector<Recorded> messages;
    std::vector<UINT> watched; // record only these when not empty

    std::vector<UINT> Of(UINT message) const
    {
        std::vector<UINT> out;
        for (const Recorded& r : messages)
            if (r.message == message)
                out.push_back(static_cast<UINT>(r.wParam));
        return out;
    }
    int Count(UINT message) const
    {
        int n = 0;
        for (const Recorded& r : messages)
            n += r.message == message;
        return n;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (watched.empty() || std::find(watched.begin(), watched.end(), message) != watched.end())
            messages.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

inline void Pump() { QApplication::processEvents(); }

// A shown host holding a bordered multi-line edit with a vertical bar, id 10.
inline bool CreateMultiLineEdit(CWnd& host, CEdit& edit, int height)
{
    CreateHost(host, 300, 200);
    return edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                       CRect(0, 0, 200, height), &host, 10);
}

} // namespace vesk::test
