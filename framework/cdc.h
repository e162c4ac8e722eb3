#pragma once
// CDC: a device context over QPainter. A memory DC (CreateCompatibleDC) draws
// into the bitmap selected into it; window DCs draw on their widget while it
// paints (CPaintDC in WM_PAINT, CWindowDC in WM_NCPAINT). Outside painting a
// window DC measures text but draws into a scratch surface.
//
// Coordinates are device pixels. Rectangles exclude their right and bottom
// edges, as Rectangle, FillRect and regions do; LineTo excludes its end point.

#include "framework/gdi_objects.h"
#include "framework/geometry.h"
#include "framework/win_types.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace vesk {

class CWnd;

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // The DC is its own handle.
    HDC m_hDC = this;
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC dc) { return dc; }

    // A memory DC with a 1x1 monochrome bitmap selected, like the system's.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    // A DC that paints with an active painter owned by someone else (a widget's
    // paint event). The painter must outlive the DC.
    BOOL AttachPainter(QPainter* painter, QWidget* widget = nullptr);
    // A DC drawing into an image owned by the caller.
    BOOL AttachImage(QImage* image);

    // --- Selected objects -------------------------------------------------------
    // Each returns the previously selected object of the same kind, which the
    // caller selects back before deleting its own.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    // --- Attributes -------------------------------------------------------------
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const { return m_origin; }
    int SelectClipRgn(CRgn* region);
    int IntersectClipRect(const RECT& rect);
    int GetClipBox(RECT* rect) const;
    int SaveDC();
    BOOL RestoreDC(int saved);

    // --- Drawing ----------------------------------------------------------------
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, int sw, int sh, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    // Draws source pixels except those of the transparent colour.
    BOOL TransparentBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, int sw, int sh,
                        COLORREF transparent);
    void FillRect(const RECT& rect, CBrush* brush);
    void FillSolidRect(const RECT& rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    void FrameRect(const RECT& rect, CBrush* brush);
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    BOOL FillRgn(CRgn* region, CBrush* brush);
    BOOL FrameRgn(CRgn* region, CBrush* brush, int width, int height);
    // Outline with the pen, inside with the brush.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const RECT& rect) { return Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    BOOL RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    BOOL RoundRect(const RECT& rect, POINT ellipse) { return RoundRect(rect.left, rect.top, rect.right, rect.bottom, ellipse.x, ellipse.y); }
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Polygon(const POINT* points, int count);
    BOOL Polyline(const POINT* points, int count);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    COLORREF SetPixel(int x, int y, COLORREF color);
    // CLR_INVALID (0xFFFFFFFF) outside the surface or on a window DC.
    COLORREF GetPixel(int x, int y) const;

    // --- Text -------------------------------------------------------------------
    // DT_ flags as in gdi_constants.h; "&" marks the underlined letter unless
    // DT_NOPREFIX. DT_CALCRECT only measures, adjusting rect. Returns the height.
    int DrawText(const CString& text, RECT* rect, UINT format);
    int DrawText(const CString& text, const RECT& rect, UINT format);
    BOOL TextOut(int x, int y, const CString& text);
    BOOL ExtTextOut(int x, int y, UINT options, const RECT* rect, const CString& text);
    CSize GetTextExtent(const CString& text) const;
    int GetTextHeight() const;

    // --- Images -----------------------------------------------------------------
    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL DrawIconEx(int x, int y, HICON icon, int width, int height);
    // DST_BITMAP or DST_ICON with DSS_NORMAL or DSS_DISABLED (the embossed grey
    // look: pixels that differ from white drawn grey with a white shadow).
    BOOL DrawState(CPoint pt, CSize size, HBITMAP bitmap, UINT flags, CBrush* brush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, HICON icon, UINT flags, CBrush* brush = nullptr);

    // The painter; null when the DC has no surface.
    QPainter* GetPainter() const;
    // The image a memory DC draws into; null for a window DC.
    const QImage* GetImage() const;

protected:
    bool BeginOn(QPaintDevice* device);
    void BeginScratch();
    void BeginOnWidget(QWidget* widget);
    void SelectDefaultObjects();
    void ApplyState();
    void EndOwnPainter();
    QBrush CurrentQBrush() const;
    QPen CurrentQPen() const;
    QFont CurrentQFont() const;
    void SelectBitmap(HBITMAP bitmap);
    // Selects next into slot, holding it and letting go of the previous one.
    template <class Handle>
    void Reselect(Handle& slot, Handle next);

    std::unique_ptr<QPainter> m_ownPainter;
    QPainter* m_painter = nullptr;
    QImage* m_image = nullptr;  // surface of a memory DC
    QImage m_scratch;           // surface when there is nothing else
    QWidget* m_widget = nullptr;
    bool m_memory = false;
    HPEN m_pen = nullptr;
    HBRUSH m_brush = nullptr;
    HFONT m_font = nullptr;
    HBITMAP m_bitmap = nullptr;
    HBITMAP m_defaultBitmap = nullptr; // a memory DC's own 1x1 bitmap
    COLORREF m_textColor = 0;
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    CPoint m_position;
    CPoint m_origin;
    std::optional<QRegion> m_clip; // device coordinates
    struct State {
        HPEN pen;
        HBRUSH brush;
        HFONT font;
        COLORREF textColor;
        COLORREF bkColor;
        int bkMode;
        CPoint origin;
        std::optional<QRegion> clip;
    };
    std::vector<State> m_saved;
    void ReleaseState(const State& state);
};

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// The DC of WM_PAINT: paints the client area. Created inside the handler of
// the paint message; sends WM_ERASEBKGND first as the system's BeginPaint does.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    RECT m_rcPaint; // the area to repaint, client coordinates
private:
    CWnd* m_wnd;
};

// A DC on the client area for the duration of a scope.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
};

// A DC on the whole window, non-client area included.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
};

} // namespace vesk
