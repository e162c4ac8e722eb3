// CWnd: window text, dialog item text and numbers, check states, fonts.
#include "framework/cwnd.h"

#include "framework/gdi_objects.h"

#include <stdexcept>
#include <string>

namespace vesk {

void CWnd::SetWindowText(const CString& text) { SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

CString CWnd::GetWindowText() const
{
    auto* self = const_cast<CWnd*>(this);
    const auto length = static_cast<size_t>(self->SendMessage(WM_GETTEXTLENGTH));
    std::string text(length + 1, '\0');
    const auto copied = static_cast<size_t>(self->SendMessage(WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

int CWnd::GetWindowTextLength() const { return static_cast<int>(const_cast<CWnd*>(this)->SendMessage(WM_GETTEXTLENGTH)); }

void CWnd::SetDlgItemText(int id, const CString& text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

CString CWnd::GetDlgItemText(int id) const
{
    CWnd* item = GetDlgItem(id);
    return item ? item->GetWindowText() : CString();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    SetDlgItemText(id, isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value));
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    const CString text = GetDlgItemText(id);
    try {
        size_t used = 0;
        const long long value = std::stoll(text, &used);
        const bool ok = used > 0 && (isSigned || value >= 0);
        if (translated)
            *translated = ok ? TRUE : FALSE;
        return ok ? static_cast<UINT>(value) : 0;
    } catch (const std::exception&) {
        if (translated)
            *translated = FALSE;
        return 0;
    }
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    if (CWnd* item = GetDlgItem(id))
        item->SendMessage(BM_SETCHECK, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    CWnd* item = GetDlgItem(id);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : 0;
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? static_cast<HFONT>(*font) : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(const_cast<CWnd*>(this)->SendMessage(WM_GETFONT)));
}

} // namespace vesk
