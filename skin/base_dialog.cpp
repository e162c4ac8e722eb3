#include "skin/base_dialog.h"

#include "framework/cdc.h"
#include "framework/colour_messages.h"
#include "framework/system_api.h"
#include "skin/geometry/strip_layout.h"
#include "skin/skin_dc.h"
#include "skin/workbench_colors.h"

namespace vesk {

using namespace skin;

namespace {

void LoadInto(CBitmap& bitmap, const char* name)
{
    bitmap.DeleteObject();
    bitmap.Attach(LoadBitmapFile(name));
}

} // namespace

CBaseDialog::CBaseDialog(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent)
{
}

CBaseDialog::~CBaseDialog() = default;

BOOL CBaseDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(kWorkbenchBackground);
    m_closeOnly = (GetStyle() & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) ? 0 : 1;
    LoadImages();
    ModifyStyle(WS_CAPTION, 0, SWP_FRAMECHANGED);
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width() + 4, window.Height() + 9, SWP_NOMOVE | SWP_NOZORDER);
    UpdateFrame();
    return TRUE;
}

void CBaseDialog::LoadImages()
{
    LoadInto(m_title, "Skin\\FmTitle.bmp");
    LoadInto(m_close, m_closeOnly ? "Skin\\DlgClose.bmp" : "Skin\\FmSysCls.bmp");
    LoadInto(m_buttonBackground, "Skin\\FmSysBk.bmp");
    LoadInto(m_maximise, "Skin\\FmSysMax.bmp");
    LoadInto(m_minimise, "Skin\\FmSysMin.bmp");
    LoadInto(m_restoreImage, "Skin\\FmSysRes.bmp");
}

BOOL CBaseDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_SYSCOMMAND && msg->wParam == SC_MINIMIZE)
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CBaseDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsControlColourMessage(message)) {
        if (CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam)))
            dc->SetBkMode(TRANSPARENT);
        return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_brush));
    }
    switch (message) {
    case WM_NCCALCSIZE: {
        RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                : reinterpret_cast<RECT*>(lParam);
        if (proposed)
            *proposed = clientFromWindow(*proposed);
        return 0;
    }
    case WM_NCHITTEST: {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        RECT window;
        GetWindowRect(&window);
        const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return inCaptionBand(window, at) ? HTCAPTION : result;
    }
    case WM_NCPAINT:
        PaintFrame();
        return 0;
    case WM_SIZE: {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        UpdateFrame();
        return result;
    }
    case WM_NCMOUSEMOVE:
        if (GetStyle() & WS_SYSMENU)
            OnNcMouseMove(FramePoint(lParam));
        return CDialog::WindowProc(message, wParam, lParam);
    case WM_NCLBUTTONDOWN:
        if ((GetStyle() & WS_SYSMENU) && OnNcLButtonDown(FramePoint(lParam)))
            return 0;
        return CDialog::WindowProc(message, wParam, lParam);
    case WM_NCLBUTTONUP:
        if ((GetStyle() & WS_SYSMENU) && !OnNcLButtonUp(FramePoint(lParam)))
            return 0;
        return CDialog::WindowProc(message, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        ToggleMaximise();
        return 0;
    case WM_DESTROY:
        m_brush.DeleteObject();
        return CDialog::WindowProc(message, wParam, lParam);
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

void CBaseDialog::UpdateFrame()
{
    if (!IsWindow())
        return;
    CRect window;
    GetWindowRect(&window);
    m_frame = layoutFrame(window.Width(), window.Height(), m_closeOnly != 0);
    UpdateRegion();
}

void CBaseDialog::UpdateRegion()
{
    const int w = m_frame.window.right;
    const int h = m_frame.window.bottom;
    CRgn rounded;
    CRgn body;
    CRgn region;
    rounded.CreateRoundRectRgn(0, 0, w + 1, h, 12, 12);
    body.CreateRectRgn(0, kCaptionHeight, w, h);
    region.CreateRectRgn(0, 0, 0, 0);
    region.CombineRgn(&rounded, &body, RGN_OR);
    SetWindowRgn(region, TRUE);
}

void CBaseDialog::PaintFrame()
{
    CWindowDC dc(this);
    const int w = m_frame.window.right;
    const int h = m_frame.window.bottom;
    {
        MemoryCanvas band(&dc, w, kCaptionHeight);
        CDC* canvas = band.dc();
        if (m_title.GetSafeHandle()) {
            BitmapSource title(canvas, m_title);
            DrawStripPieces(canvas, 0, 0, kCaptionHeight, title.dc(), 0, bodyThenCaps(StripCell{0, 6, 7}, w));
        }
        CFont bold;
        QFont font = GetFont() ? GetFont()->GetQFont() : QFont();
        font.setWeight(QFont::Bold);
        bold.CreateFromQFont(font);
        CFont* previous = canvas->SelectObject(&bold);
        canvas->SetTextColor(RGB(255, 255, 255));
        canvas->SetBkMode(TRANSPARENT);
        canvas->TextOut(m_titleX, m_titleY, GetWindowText());
        canvas->SelectObject(previous);
        if (GetStyle() & WS_SYSMENU)
            DrawButtons(canvas);
        band.CopyTo(&dc, 0, 0);
    }
    BorderLine lines[5];
    borderLines(w, h, lines);
    for (const BorderLine& line : lines) {
        CPen pen(PS_SOLID, 1, line.colour);
        CPen* previous = dc.SelectObject(&pen);
        const Rect& e = line.edges;
        dc.MoveTo(e.left, e.top);
        dc.LineTo(e.left, e.bottom - 1);
        dc.LineTo(e.right - 1, e.bottom - 1);
        dc.LineTo(e.right - 1, e.top - 1);
        dc.SelectObject(previous);
    }
}

void CBaseDialog::DrawButtons(CDC* dc)
{
    auto drawCell = [dc](CBitmap& image, const Rect& at, int cellWidth, const ButtonFlags& flags) {
        if (!image.GetSafeHandle() || isEmpty(at))
            return;
        BitmapSource source(dc, image);
        const int cell = flags.pressed ? 2 * cellWidth : flags.hot ? cellWidth : 0;
        dc->BitBlt(at.left, at.top, width(at), height(at), source.dc(), cell, 0, SRCCOPY);
    };
    if (m_closeOnly) {
        drawCell(m_close, m_frame.close, 45, m_closeFlags);
        return;
    }
    if (m_buttonBackground.GetSafeHandle()) {
        BitmapSource source(dc, m_buttonBackground);
        const Rect& at = m_frame.buttonBackground;
        dc->BitBlt(at.left, at.top, width(at), height(at), source.dc(), 0, 0, SRCCOPY);
    }
    drawCell(m_minimise, m_frame.minimise, 18, m_minimiseFlags);
    drawCell(m_maximised ? m_restoreImage : m_maximise, m_frame.maximise, 18, m_maximiseFlags);
    drawCell(m_close, m_frame.close, 18, m_closeFlags);
}

Point CBaseDialog::FramePoint(LPARAM screenPoint) const
{
    POINT p{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    ScreenToClient(&p);
    return clientToFrame(Point{p.x, p.y});
}

CBaseDialog::ButtonFlags* CBaseDialog::FlagsOf(FrameButton button)
{
    switch (button) {
    case FrameButton::Minimise: return &m_minimiseFlags;
    case FrameButton::Maximise: return &m_maximiseFlags;
    case FrameButton::Close: return &m_closeFlags;
    case FrameButton::None: break;
    }
    return nullptr;
}

const CBaseDialog::ButtonFlags* CBaseDialog::FlagsOf(FrameButton button) const
{
    return const_cast<CBaseDialog*>(this)->FlagsOf(button);
}

bool CBaseDialog::IsButtonHot(FrameButton button) const
{
    const ButtonFlags* flags = FlagsOf(button);
    return flags && flags->hot;
}

bool CBaseDialog::IsButtonPressed(FrameButton button) const
{
    const ButtonFlags* flags = FlagsOf(button);
    return flags && flags->pressed;
}

void CBaseDialog::OnNcMouseMove(Point at)
{
    const FrameButton button = frameButtonAt(m_frame, at);
    if (ButtonFlags* flags = FlagsOf(button); flags && !flags->hot) {
        flags->hot = 1;
        SendMessage(WM_NCPAINT);
    } else if (button == FrameButton::None && AnyHot()) {
        m_minimiseFlags = m_maximiseFlags = m_closeFlags = ButtonFlags{};
        SendMessage(WM_NCPAINT);
    }
}

bool CBaseDialog::OnNcLButtonDown(Point at)
{
    ButtonFlags* flags = FlagsOf(frameButtonAt(m_frame, at));
    if (!flags || flags->pressed)
        return false;
    flags->pressed = 1;
    SendMessage(WM_NCPAINT);
    return true;
}

bool CBaseDialog::OnNcLButtonUp(Point at)
{
    m_minimiseFlags.hot = m_maximiseFlags.hot = m_closeFlags.hot = 0;
    SendMessage(WM_NCPAINT);
    const DWORD style = GetStyle();
    switch (frameButtonAt(m_frame, at)) {
    case FrameButton::Minimise:
        if (!m_minimiseFlags.pressed)
            break;
        if (!(style & WS_MINIMIZEBOX))
            return false;
        m_minimiseFlags.pressed = 0;
        m_maximised = 0;
        ModifyStyle(0, WS_THICKFRAME);
        PostMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        break;
    case FrameButton::Maximise:
        if (!m_maximiseFlags.pressed)
            break;
        if (!(style & WS_MAXIMIZEBOX))
            return false;
        m_maximiseFlags.pressed = 0;
        PostMessage(WM_NCLBUTTONDBLCLK);
        break;
    case FrameButton::Close:
        if (!m_closeFlags.pressed)
            break;
        m_closeFlags.pressed = 0;
        PostMessage(WM_SYSCOMMAND, SC_CLOSE);
        break;
    case FrameButton::None:
        break;
    }
    return true;
}

void CBaseDialog::ToggleMaximise()
{
    if (!(GetStyle() & WS_MAXIMIZEBOX))
        return;
    m_maximised = !m_maximised;
    if (!m_maximised) {
        MoveWindow(m_restore);
        ModifyStyle(0, WS_THICKFRAME);
        return;
    }
    GetWindowRect(&m_restore);
    // The task bar is taken to lie along the bottom: whatever the work area
    // leaves below itself.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT work{0, 0, screenWidth, screenHeight};
    GetWorkArea(&work);
    const Rect taskBar = work.bottom < screenHeight ? Rect{0, work.bottom, screenWidth, screenHeight} : Rect{};
    MoveWindow(maximisedRect(screenWidth, screenHeight, taskBar));
    ModifyStyle(WS_THICKFRAME, 0);
}

} // namespace vesk
