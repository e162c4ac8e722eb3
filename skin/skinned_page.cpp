#include "skin/skinned_page.h"

#include "framework/cdc.h"
#include "framework/colour_messages.h"
#include "framework/messages.h"
#include "skin/workbench_colors.h"

namespace vesk {

namespace {

constexpr BYTE kStringPrecision = 1;
constexpr BYTE kCharacterClip = 1;
constexpr BYTE kDefaultQuality = 0;
constexpr BYTE kDefaultPitch = 0;

} // namespace

DialogControl PageControl(
    UINT id, const char* windowClass, const char* text, int x, int y, int cx, int cy, DWORD style)
{
    return { .id = static_cast<int>(id),
        .windowClass = windowClass,
        .text = text,
        .x = x,
        .y = y,
        .cx = cx,
        .cy = cy,
        .style = style,
        .exStyle = 0,
        .hidden = false };
}

SkinnedPage::SkinnedPage(UINT templateId)
    : CDialog(templateId)
{
}

SkinnedPage::~SkinnedPage() = default;

BOOL SkinnedPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brush.CreateSolidBrush(kWorkbenchBackground);
    return TRUE;
}

void SkinnedPage::OnEditColours(CDC*) { }

void SkinnedPage::ForwardCurrentMessage(CWnd* target)
{
    const MSG* current = GetCurrentMessage();
    if (target && current)
        target->SendMessage(current->message, current->wParam, current->lParam);
}

void SkinnedPage::CreateTextFont(CFont& font)
{
    font.CreateFont(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, kStringPrecision, kCharacterClip,
        kDefaultQuality, kDefaultPitch, "宋体");
}

LRESULT SkinnedPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLOREDIT) {
        const LRESULT answer = CDialog::WindowProc(message, wParam, lParam);
        OnEditColours(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        return answer;
    }
    if (IsControlColourMessage(message) && m_brush.GetSafeHandle()) {
        if (CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam)))
            dc->SetBkMode(TRANSPARENT);
        return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_brush));
    }
    switch (message) {
    case WM_ERASEBKGND:
        if (CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) {
            RECT client;
            GetClientRect(&client);
            dc->FillSolidRect(client, kWorkbenchBackground);
            return 1;
        }
        break;
    case WM_PAINT: {
        CPaintDC dc(this); // erases the background first
        return 0;
    }
    case WM_DESTROY:
        m_brush.DeleteObject();
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

} // namespace vesk
