// Pens, brushes, fonts, bitmaps, regions and icons.
#include "framework/gdi_objects.h"

#include "framework/qt_color.h"
#include "framework/qt_geometry.h"
#include "framework/system_api.h"

#include <QPainterPath>
#include <QPolygon>

#include <array>

namespace vesk {

GdiObject::~GdiObject() = default;

namespace {

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
    if (object->selectedCount > 0)
        return FALSE;
    delete object;
    return TRUE;
}

BOOL DestroyIcon(HICON icon) { return DeleteObject(icon); }

void RetainSelected(HGDIOBJ object)
{
    if (object)
        ++object->selectedCount;
}

void ReleaseSelected(HGDIOBJ object)
{
    if (!object || --object->selectedCount > 0)
        return;
    if (object->deletePending)
        delete object;
}

// --- CGdiObject ------------------------------------------------------------------

CGdiObject::~CGdiObject()
{
    if (m_temporary || !m_hObject)
        return;
    // Still selected into a DC: the DC deletes it when it lets go, instead of
    // drawing with a dangling object (the system would leak it).
    if (!vesk::DeleteObject(m_hObject) && m_hObject->selectedCount > 0)
        m_hObject->deletePending = true;
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

} // namespace vesk
