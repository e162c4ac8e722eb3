#pragma once
// Drawing objects: pens, brushes, fonts, bitmaps, regions and icons. A CGdiObject
// owns the object whose handle it holds and deletes it in its destructor; to
// borrow a handle, Attach it and Detach before destruction. Handles of stock
// objects are never deleted. DeleteObject fails on a bitmap still selected
// into a DC.

#include "framework/geometry.h"
#include "framework/gdi_constants.h"
#include "framework/win_structs.h"
#include "framework/win_types.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRegion>

#include <memory>

namespace vesk {

class CGdiObject;

struct GdiObject {
    enum class Kind { Pen, Brush, Font, Bitmap, Region, Icon };
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject();
    const Kind kind;
    bool stock = false;
    int selectedCount = 0;      // DCs (and their saved states) holding it
    bool deletePending = false; // its owner went while it was selected
    // The wrapper FromHandle returns; it lives and dies with the object.
    std::unique_ptr<CGdiObject> wrapper;
};

struct GdiPen : GdiObject {
    GdiPen() : GdiObject(Kind::Pen) {}
    QPen pen;
    bool null = false;
};

struct GdiBrush : GdiObject {
    GdiBrush() : GdiObject(Kind::Brush) {}
    QBrush brush;
    bool null = false;
    COLORREF color = 0;
};

struct GdiFont : GdiObject {
    GdiFont() : GdiObject(Kind::Font) {}
    QFont font;
};

struct GdiBitmap : GdiObject {
    GdiBitmap() : GdiObject(Kind::Bitmap) {}
    QImage image; // Format_RGB32; monochrome bitmaps hold black and white only
    bool monochrome = false;
};

struct GdiRegion : GdiObject {
    GdiRegion() : GdiObject(Kind::Region) {}
    QRegion region;
};

struct GdiIcon : GdiObject {
    GdiIcon() : GdiObject(Kind::Icon) {}
    QImage image; // ARGB32 with the icon's transparency
};

HGDIOBJ GetStockObject(int index);
// Returns FALSE (and keeps the object) for a stock object, a null handle or
// an object selected into a DC.
BOOL DeleteObject(HGDIOBJ object);
// A DC takes or lets go of a selected object. An object whose CGdiObject was
// destroyed while it was selected is deleted when the last DC lets go.
void RetainSelected(HGDIOBJ object);
void ReleaseSelected(HGDIOBJ object);
BOOL DestroyIcon(HICON icon);

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int index);
    static CGdiObject* FromHandle(HGDIOBJ object);

protected:
    bool m_temporary = false; // a FromHandle wrapper never deletes its object
    friend struct GdiObject;
    template <class Wrapper>
    friend Wrapper* WrapperOf(HGDIOBJ);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN pen);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH brush);
};

class CFont : public CGdiObject {
public:
    // height < 0: character height in pixels; > 0: cell height; 0: default.
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCSTR faceName);
    // pointSize in tenths of a point.
    BOOL CreatePointFont(int pointSize, LPCSTR faceName);
    BOOL CreateFromQFont(const QFont& font);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT font);
    // The Qt font; a default font for a null handle.
    QFont GetQFont() const;
};

class CDC;

class CBitmap : public CGdiObject {
public:
    // Pixels start black. A 1-bit-per-pixel bitmap is monochrome.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateFromImage(const QImage& image);
    // Loads a BMP (or any image Qt reads) by path, relative paths against the
    // resource folder. FALSE when the file is missing or unreadable.
    BOOL LoadFromFile(const CString& path);
    int GetBitmap(BITMAP* info) const;
    CSize GetBitmapDimension() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP bitmap);
    // The pixels; a null image for a null handle.
    const QImage& GetImage() const;
};

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(const RECT& rect);
    BOOL CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode = 1);
    // Combines a and b into this region (which must exist): RGN_AND, RGN_OR,
    // RGN_XOR, RGN_DIFF, RGN_COPY. Returns NULLREGION, SIMPLEREGION,
    // COMPLEXREGION or RGN_ERROR.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    int OffsetRgn(int dx, int dy);
    BOOL PtInRegion(int x, int y) const;
    BOOL EqualRgn(const CRgn* other) const;
    int GetRgnBox(RECT* rect) const;
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
    static CRgn* FromHandle(HRGN region);
    const QRegion& GetQRegion() const;
};

// The FromHandle wrapper of an object: made on first use, it lives and dies
// with the object and never deletes it.
template <class Wrapper>
Wrapper* WrapperOf(HGDIOBJ object)
{
    if (!object)
        return nullptr;
    if (!object->wrapper) {
        auto wrapper = std::make_unique<Wrapper>();
        wrapper->m_hObject = object;
        wrapper->m_temporary = true;
        object->wrapper = std::move(wrapper);
    }
    return static_cast<Wrapper*>(object->wrapper.get());
}

// Loads a bitmap or icon file (LR_LOADFROMFILE); the first argument is unused.
// Relative paths (either separator) resolve against the resource folder.
// Returns an HBITMAP or HICON, null on failure.
HANDLE LoadImage(void* instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);
HBITMAP LoadBitmapFile(const CString& path);
HICON LoadIconFile(const CString& path, int cx = 0, int cy = 0);
HICON CreateIconFromImage(const QImage& image);

} // namespace vesk
