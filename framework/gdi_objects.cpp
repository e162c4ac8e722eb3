// Pens, brushes, fonts, bitmaps, regions and icons.
#include "framework/gdi_objects.h"

#include "framework/qt_geometry.h"
#include "framework/system_api.h"

#include <QPainterPath>
#include <QPolygon>

#include <array>

namespace vesk {

GdiObject::~GdiObject() = default;

namespace {

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

GdiObject* MakeStock(int index)
{
    switch (index) {
    case WHITE_BRUSH:
    case LTGRAY_BRUSH:
    case GRAY_BRUSH:
    case DKGRAY_BRUSH:
    case BLACK_BRUSH:
    case NULL_BRUSH: {
        static constexpr std::array<COLORREF, 5> colors = {RGB(255, 255, 255), RGB(192, 192, 192),
                                                           RGB(128, 128, 128), RGB(64, 64, 64), RGB(0, 0, 0)};
        auto* brush = new GdiBrush;
        brush->null = index == NULL_BRUSH;
        brush->color = brush->null ? 0 : colors[static_cast<size_t>(index)];
        brush->brush = brush->null ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush->color));
        return brush;
    }
    case WHITE_PEN:
    case BLACK_PEN:
    case NULL_PEN: {
        auto* pen = new GdiPen;
        pen->null = index == NULL_PEN;
        pen->pen = pen->null ? QPen(Qt::NoPen) : QPen(index == WHITE_PEN ? Qt::white : Qt::black, 1);
        pen->pen.setCosmetic(true);
        return pen;
    }
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT: {
        InstallFontSubstitutions();
        auto* font = new GdiFont;
        font->font = QFont(QStringLiteral("宋体"));
        font->font.setPixelSize(12);
        return font;
    }
    default:
        return nullptr;
    }
}

} // namespace

HGDIOBJ GetStockObject(int index)
{
    static std::array<GdiObject*, 18> stock{};
    if (index < 0 || index >= static_cast<int>(stock.size()))
        return nullptr;
    auto& slot = stock[static_cast<size_t>(index)];
    if (!slot) {
        slot = MakeStock(index);
        if (slot)
            slot->stock = true;
    }
    return slot;
}

BOOL DeleteObject(HGDIOBJ object)
{
    if (!object || object->stock)
        return FALSE;
    if (object->kind == GdiObject::Kind::Bitmap && static_cast<GdiBitmap*>(object)->selectedCount > 0)
        return FALSE;
    delete object;
    return TRUE;
}

BOOL DestroyIcon(HICON icon) { return DeleteObject(icon); }

// --- CGdiObject ------------------------------------------------------------------

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

CGdiObject::~CGdiObject()
{
    if (!m_temporary)
        DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (m_hObject || !object)
        return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject || m_temporary)
        return FALSE;
    if (!vesk::DeleteObject(m_hObject) && !m_hObject->stock)
        return FALSE;
    m_hObject = nullptr;
    return TRUE;
}

BOOL CGdiObject::CreateStockObject(int index)
{
    return Attach(GetStockObject(index));
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object)
{
    if (!object)
        return nullptr;
    switch (object->kind) {
    case GdiObject::Kind::Pen: return WrapperOf<CPen>(object);
    case GdiObject::Kind::Brush: return WrapperOf<CBrush>(object);
    case GdiObject::Kind::Font: return WrapperOf<CFont>(object);
    case GdiObject::Kind::Bitmap: return WrapperOf<CBitmap>(object);
    case GdiObject::Kind::Region: return WrapperOf<CRgn>(object);
    default: return WrapperOf<CGdiObject>(object);
    }
}

// --- Pens, brushes, fonts -------------------------------------------------------------

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    if (m_hObject)
        return FALSE;
    auto* pen = new GdiPen;
    pen->null = style == PS_NULL;
    if (pen->null) {
        pen->pen = QPen(Qt::NoPen);
    } else {
        pen->pen = QPen(ToQColor(color), std::max(width, 1));
        pen->pen.setCosmetic(width <= 1);
        pen->pen.setCapStyle(Qt::SquareCap);
        pen->pen.setJoinStyle(Qt::MiterJoin);
        if (style == PS_DASH) pen->pen.setStyle(Qt::DashLine);
        else if (style == PS_DOT) pen->pen.setStyle(Qt::DotLine);
        else if (style == PS_DASHDOT) pen->pen.setStyle(Qt::DashDotLine);
    }
    m_hObject = pen;
    return TRUE;
}

CPen* CPen::FromHandle(HPEN pen) { return WrapperOf<CPen>(pen); }

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    if (m_hObject)
        return FALSE;
    auto* brush = new GdiBrush;
    brush->color = color;
    brush->brush = QBrush(ToQColor(color));
    m_hObject = brush;
    return TRUE;
}

CBrush* CBrush::FromHandle(HBRUSH brush) { return WrapperOf<CBrush>(brush); }

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCSTR faceName)
{
    if (m_hObject)
        return FALSE;
    InstallFontSubstitutions();
    QFont font(QString::fromUtf8(faceName && *faceName ? faceName : "宋体"));
    // A negative height is the character height, a positive one the cell
    // height including internal leading; both map to pixels here.
    font.setPixelSize(height == 0 ? 12 : std::max(1, std::abs(height)));
    font.setWeight(weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    font.setItalic(italic != 0);
    font.setUnderline(underline != 0);
    font.setStrikeOut(strikeOut != 0);
    if (quality == 3 /* NONANTIALIASED_QUALITY */)
        font.setStyleStrategy(QFont::NoAntialias);
    return CreateFromQFont(font);
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName)
{
    if (m_hObject)
        return FALSE;
    InstallFontSubstitutions();
    QFont font(QString::fromUtf8(faceName && *faceName ? faceName : "宋体"));
    font.setPointSizeF(pointSize / 10.0);
    return CreateFromQFont(font);
}

BOOL CFont::CreateFromQFont(const QFont& qfont)
{
    if (m_hObject)
        return FALSE;
    auto* font = new GdiFont;
    font->font = qfont;
    m_hObject = font;
    return TRUE;
}

CFont* CFont::FromHandle(HFONT font) { return WrapperOf<CFont>(font); }

QFont CFont::GetQFont() const
{
    return m_hObject ? static_cast<GdiFont*>(m_hObject)->font : static_cast<GdiFont*>(GetStockObject(SYSTEM_FONT))->font;
}

// --- Bitmaps ----------------------------------------------------------------------------

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (m_hObject || width <= 0 || height <= 0)
        return FALSE;
    auto* bitmap = new GdiBitmap;
    bitmap->monochrome = planes * bitsPerPixel == 1;
    bitmap->image = QImage(width, height, QImage::Format_RGB32);
    bitmap->image.fill(Qt::black);
    if (bits && bitmap->monochrome) {
        // Rows of 1-bit pixels padded to 16 bits, as the system lays them out.
        const auto* bytes = static_cast<const unsigned char*>(bits);
        const int stride = ((width + 15) / 16) * 2;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (bytes[y * stride + x / 8] & (0x80 >> (x % 8)))
                    bitmap->image.setPixel(x, y, 0xFFFFFFFF);
    } else if (bits && bitsPerPixel == 32) {
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                bitmap->image.setPixel(x, y, 0xFF000000 | pixels[y * width + x]);
    }
    m_hObject = bitmap;
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    return CreateBitmap(std::max(width, 1), std::max(height, 1), 1, 32, nullptr);
}

BOOL CBitmap::CreateFromImage(const QImage& image)
{
    if (m_hObject || image.isNull())
        return FALSE;
    auto* bitmap = new GdiBitmap;
    bitmap->image = image.convertToFormat(QImage::Format_RGB32);
    m_hObject = bitmap;
    return TRUE;
}

BOOL CBitmap::LoadFromFile(const CString& path)
{
    HBITMAP bitmap = LoadBitmapFile(path);
    if (!bitmap)
        return FALSE;
    if (!Attach(bitmap)) {
        vesk::DeleteObject(bitmap);
        return FALSE;
    }
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    if (!info || !m_hObject)
        return 0;
    const auto* bitmap = static_cast<GdiBitmap*>(m_hObject);
    info->bmType = 0;
    info->bmWidth = bitmap->image.width();
    info->bmHeight = bitmap->image.height();
    info->bmBitsPixel = bitmap->monochrome ? 1 : 32;
    info->bmPlanes = 1;
    info->bmWidthBytes = bitmap->monochrome ? ((info->bmWidth + 15) / 16) * 2 : info->bmWidth * 4;
    info->bmBits = nullptr;
    return sizeof(BITMAP);
}

CSize CBitmap::GetBitmapDimension() const
{
    if (!m_hObject)
        return {};
    const auto& image = static_cast<GdiBitmap*>(m_hObject)->image;
    return {image.width(), image.height()};
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return WrapperOf<CBitmap>(bitmap); }

const QImage& CBitmap::GetImage() const
{
    static const QImage none;
    return m_hObject ? static_cast<GdiBitmap*>(m_hObject)->image : none;
}

// --- Regions ------------------------------------------------------------------------------

namespace {

GdiRegion* NewRegion(const QRegion& region)
{
    auto* object = new GdiRegion;
    object->region = region;
    return object;
}

QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const QRect rect(left, top, right - left, bottom - top);
    if (rect.isEmpty())
        return {};
    const int w = std::min(ellipseWidth, rect.width());
    const int h = std::min(ellipseHeight, rect.height());
    if (w <= 1 || h <= 1)
        return QRegion(rect);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), w / 2.0, h / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

int RegionType(const QRegion& region)
{
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    if (m_hObject)
        return FALSE;
    CRect r(left, top, right, bottom);
    r.NormalizeRect();
    m_hObject = NewRegion(QRegion(ToQRect(r)));
    return TRUE;
}

BOOL CRgn::CreateRectRgnIndirect(const RECT& rect) { return CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom); }

BOOL CRgn::CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (m_hObject)
        return FALSE;
    m_hObject = NewRegion(RoundRectRegion(left, top, right, bottom, ellipseWidth, ellipseHeight));
    return TRUE;
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom)
{
    if (m_hObject)
        return FALSE;
    m_hObject = NewRegion(QRegion(QRect(left, top, right - left, bottom - top), QRegion::Ellipse));
    return TRUE;
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    if (m_hObject || !points || count < 3)
        return FALSE;
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    m_hObject = NewRegion(QRegion(polygon, fillMode == 1 ? Qt::OddEvenFill : Qt::WindingFill));
    return TRUE;
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode)
{
    if (!m_hObject || !a || !a->m_hObject)
        return RGN_ERROR;
    const QRegion& ra = a->GetQRegion();
    if (mode == RGN_COPY) {
        static_cast<GdiRegion*>(m_hObject)->region = ra;
        return RegionType(ra);
    }
    if (!b || !b->m_hObject)
        return RGN_ERROR;
    const QRegion& rb = b->GetQRegion();
    QRegion result;
    switch (mode) {
    case RGN_AND: result = ra.intersected(rb); break;
    case RGN_OR: result = ra.united(rb); break;
    case RGN_XOR: result = ra.xored(rb); break;
    case RGN_DIFF: result = ra.subtracted(rb); break;
    default: return RGN_ERROR;
    }
    static_cast<GdiRegion*>(m_hObject)->region = result;
    return RegionType(result);
}

int CRgn::OffsetRgn(int dx, int dy)
{
    if (!m_hObject)
        return RGN_ERROR;
    auto& region = static_cast<GdiRegion*>(m_hObject)->region;
    region.translate(dx, dy);
    return RegionType(region);
}

BOOL CRgn::PtInRegion(int x, int y) const { return m_hObject && GetQRegion().contains(QPoint(x, y)); }

BOOL CRgn::EqualRgn(const CRgn* other) const { return other && m_hObject && other->m_hObject && GetQRegion() == other->GetQRegion(); }

int CRgn::GetRgnBox(RECT* rect) const
{
    if (!m_hObject || !rect)
        return RGN_ERROR;
    *rect = FromQRect(GetQRegion().boundingRect());
    return RegionType(GetQRegion());
}

CRgn* CRgn::FromHandle(HRGN region) { return WrapperOf<CRgn>(region); }

const QRegion& CRgn::GetQRegion() const
{
    static const QRegion none;
    return m_hObject ? static_cast<GdiRegion*>(m_hObject)->region : none;
}

} // namespace vesk
