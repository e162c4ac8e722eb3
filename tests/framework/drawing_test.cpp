// Drawing through CDC: blits with raster operations checked on pixels,
// shapes and their edges, text, the disabled look, regions, bitmaps by path.
#include "test_windows.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace vesk {
namespace {

// A memory DC with its own bitmap, filled with one colour.
struct Surface {
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    Surface(int w, int h, COLORREF fill)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, w, h);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, w, h, fill);
    }
    ~Surface() { dc.SelectObject(old); }
};

TEST(BitBlt, RasterOperationsCombinePixelsAsTheSystemDoes)
{
    Surface source(2, 1, RGB(0x0F, 0xF0, 0x33));
    Surface copy(2, 1, RGB(255, 255, 255));
    copy.dc.BitBlt(0, 0, 2, 1, &source.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(copy.dc.GetPixel(1, 0), RGB(0x0F, 0xF0, 0x33));

    Surface dest(2, 1, RGB(0x3C, 0x3C, 0xFF));
    dest.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, SRCAND);
    EXPECT_EQ(dest.dc.GetPixel(0, 0), RGB(0x0F & 0x3C, 0xF0 & 0x3C, 0x33));
    dest.dc.BitBlt(1, 0, 1, 1, &source.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(dest.dc.GetPixel(1, 0), RGB(0x0F | 0x3C, 0xF0 | 0x3C, 0xFF));

    CBrush brush(RGB(1, 2, 3));
    CBrush* old = dest.dc.SelectObject(&brush);
    dest.dc.BitBlt(0, 0, 1, 1, nullptr, 0, 0, PATCOPY);
    dest.dc.SelectObject(old);
    EXPECT_EQ(dest.dc.GetPixel(0, 0), RGB(1, 2, 3));
}

TEST(BitBlt, MaskAndImageDrawAnIconWithATransparentKey)
{
    // An icon whose magenta pixel is transparent: the mask is white there.
    Surface icon(2, 1, RGB(255, 0, 255));
    icon.dc.SetPixel(0, 0, RGB(10, 20, 30));
    CDC maskDc;
    maskDc.CreateCompatibleDC(nullptr);
    CBitmap mask;
    mask.CreateBitmap(2, 1, 1, 1, nullptr);
    CBitmap* oldMask = maskDc.SelectObject(&mask);
    icon.dc.SetBkColor(RGB(255, 0, 255));
    maskDc.BitBlt(0, 0, 2, 1, &icon.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(maskDc.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(maskDc.GetPixel(1, 0), RGB(255, 255, 255));
    // Black out the key in the icon, then mask SRCAND and icon SRCPAINT.
    icon.dc.SetPixel(1, 0, RGB(0, 0, 0));
    Surface background(2, 1, RGB(100, 150, 200));
    background.dc.BitBlt(0, 0, 2, 1, &maskDc, 0, 0, SRCAND);
    background.dc.BitBlt(0, 0, 2, 1, &icon.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(background.dc.GetPixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(background.dc.GetPixel(1, 0), RGB(100, 150, 200));
    maskDc.SelectObject(oldMask);
}

TEST(BitBlt, SelectedBitmapCannotBeDeleted)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    auto bitmap = std::make_unique<CBitmap>();
    bitmap->CreateCompatibleBitmap(&dc, 4, 4);
    CBitmap* old = dc.SelectObject(bitmap.get());
    EXPECT_FALSE(bitmap->DeleteObject());
    dc.SelectObject(old);
    EXPECT_TRUE(bitmap->DeleteObject());
}

TEST(Shapes, RectanglesAndLinesStopBeforeTheirRightAndBottomEdges)
{
    Surface s(10, 10, RGB(255, 255, 255));
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush brush(RGB(0, 0, 255));
    CPen* oldPen = s.dc.SelectObject(&pen);
    CBrush* oldBrush = s.dc.SelectObject(&brush);
    s.dc.Rectangle(1, 1, 5, 5);
    EXPECT_EQ(s.dc.GetPixel(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(2, 2), RGB(0, 0, 255));
    EXPECT_EQ(s.dc.GetPixel(5, 5), RGB(255, 255, 255));
    // The null brush leaves the inside alone.
    s.dc.SelectStockObject(NULL_BRUSH);
    s.dc.Rectangle(6, 1, 9, 4);
    EXPECT_EQ(s.dc.GetPixel(7, 2), RGB(255, 255, 255));
    EXPECT_EQ(s.dc.GetPixel(6, 1), RGB(255, 0, 0));

    s.dc.MoveTo(0, 8);
    s.dc.LineTo(5, 8);
    EXPECT_EQ(s.dc.GetPixel(4, 8), RGB(255, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(5, 8), RGB(255, 255, 255));
    s.dc.SelectObject(oldPen);
    s.dc.SelectObject(oldBrush);

    s.dc.FillSolidRect(CRect(0, 0, 2, 2), RGB(9, 9, 9));
    EXPECT_EQ(s.dc.GetBkColor(), RGB(9, 9, 9));
    EXPECT_EQ(s.dc.GetPixel(1, 1), RGB(9, 9, 9));
    EXPECT_EQ(s.dc.GetPixel(2, 2), RGB(0, 0, 255));
}

TEST(Shapes, PolygonFillsItsInside)
{
    Surface s(12, 12, RGB(255, 255, 255));
    CBrush brush(RGB(0, 0, 0));
    CBrush* oldBrush = s.dc.SelectObject(&brush);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = s.dc.SelectObject(&pen);
    const POINT arrow[] = {{0, 0}, {6, 0}, {3, 3}};
    s.dc.Polygon(arrow, 3);
    EXPECT_EQ(s.dc.GetPixel(3, 1), RGB(0, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(3, 5), RGB(255, 255, 255));
    s.dc.SelectObject(oldBrush);
    s.dc.SelectObject(oldPen);
}

TEST(Text, MeasuresWithoutPrefixAndDrawsInTheTextColour)
{
    Surface s(120, 30, RGB(255, 255, 255));
    CFont font;
    font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 1, 2, 1, 0, 0, "宋体");
    CFont* old = s.dc.SelectObject(&font);
    const CSize plain = s.dc.GetTextExtent("保存V...");
    CRect calc(0, 0, 0, 0);
    s.dc.DrawText("保存(&V)...", &calc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(calc.Width(), s.dc.GetTextExtent("保存(V)...").cx);
    EXPECT_GT(plain.cx, 0);
    EXPECT_GT(plain.cy, 0);
    s.dc.SetTextColor(RGB(255, 0, 0));
    s.dc.SetBkMode(TRANSPARENT);
    s.dc.DrawText("■", CRect(0, 0, 120, 30), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(s.dc.GetPixel(60, 15), RGB(255, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(2, 2), RGB(255, 255, 255));
    s.dc.SelectObject(old);
}

TEST(DisabledLook, DarkPixelsTurnGreyWithAWhiteShadow)
{
    CBitmap glyph;
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    glyph.CreateFromImage(image);
    Surface s(5, 5, RGB(200, 200, 200));
    s.dc.DrawState(CPoint(1, 1), CSize(3, 3), static_cast<HBITMAP>(glyph.m_hObject), DST_BITMAP | DSS_DISABLED);
    EXPECT_EQ(s.dc.GetPixel(1, 1), RGB(128, 128, 128));
    EXPECT_EQ(s.dc.GetPixel(2, 2), RGB(255, 255, 255));
    EXPECT_EQ(s.dc.GetPixel(3, 3), RGB(200, 200, 200));
}

TEST(Regions, RingFromXorAndRoundedCorners)
{
    CRgn outer;
    CRgn inner;
    outer.CreateRectRgn(0, 0, 10, 8);
    inner.CreateRectRgn(1, 1, 9, 7);
    CRgn ring;
    ring.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ring.CombineRgn(&outer, &inner, RGN_XOR), COMPLEXREGION);
    EXPECT_TRUE(ring.PtInRegion(0, 0));
    EXPECT_TRUE(ring.PtInRegion(9, 7));
    EXPECT_FALSE(ring.PtInRegion(5, 4));
    EXPECT_FALSE(ring.PtInRegion(10, 8));

    CRgn round;
    round.CreateRoundRectRgn(0, 0, 41, 40, 12, 12);
    CRgn band;
    band.CreateRectRgn(0, 29, 40, 40);
    CRgn frame;
    frame.CreateRectRgn(0, 0, 0, 0);
    frame.CombineRgn(&round, &band, RGN_OR);
    EXPECT_FALSE(frame.PtInRegion(0, 0));  // rounded top corner
    EXPECT_TRUE(frame.PtInRegion(20, 0));
    EXPECT_TRUE(frame.PtInRegion(0, 39)); // square bottom corner
    EXPECT_EQ(ring.CombineRgn(&outer, nullptr, RGN_OR), RGN_ERROR);
}

TEST(Regions, WindowRegionClipsInputAndPainting)
{
    CWnd host;
    test::CreateHost(host);
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &host, 1));
    CRgn a;
    CRgn b;
    a.CreateRectRgn(0, 0, 20, 20);
    b.CreateRectRgn(1, 1, 19, 19);
    a.CombineRgn(&a, &b, RGN_XOR);
    child.SetWindowRgn(a, TRUE);
    a.DeleteObject(); // the window keeps its own copy
    EXPECT_TRUE(child.m_hWnd->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(child.m_hWnd->mask().contains(QPoint(10, 10)));
    // Clicks inside the ring fall through to the parent.
    EXPECT_EQ(host.ClientWidget()->childAt(10, 10), nullptr);
    EXPECT_EQ(host.ClientWidget()->childAt(0, 0), child.m_hWnd);
}

TEST(Images, LoadRelativeToTheResourceFolderAndFailCleanly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("Skin"));
    QImage strip(28, 5, QImage::Format_RGB32);
    strip.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(strip.save(dir.filePath(QStringLiteral("Skin/Strip.bmp")), "BMP"));
    QImage ico(16, 16, QImage::Format_ARGB32);
    ico.fill(qRgba(0, 0, 255, 255));
    ASSERT_TRUE(ico.save(dir.filePath(QStringLiteral("Skin/Checked.ico")), "ICO"));

    const std::string previous = GetResourceFolder();
    SetResourceFolder(dir.path().toStdString());
    HBITMAP bitmap = LoadBitmapFile("Skin\\Strip.bmp");
    ASSERT_NE(bitmap, nullptr);
    CBitmap owner;
    owner.Attach(bitmap);
    BITMAP info;
    owner.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 28);
    EXPECT_EQ(info.bmHeight, 5);
    auto* icon = static_cast<HICON>(LoadImage(nullptr, "Skin\\Checked.ico", IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->image.width(), 16);
    DestroyIcon(icon);
    EXPECT_EQ(LoadBitmapFile("Skin\\Missing.bmp"), nullptr);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadFromFile("Skin\\Missing.bmp"));
    SetResourceFolder(previous);
}

TEST(StockObjects, AreSharedAndNeverDeleted)
{
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_EQ(white, GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(white));
    EXPECT_TRUE(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))->null);
    CBrush borrowed;
    borrowed.Attach(white);
    borrowed.Detach();
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

// A control that paints its own look into a memory DC, then draws over it.
class OverdrawnCombo : public CComboBox {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_PAINT)
            return CComboBox::WindowProc(message, wParam, lParam);
        CPaintDC paint(this);
        CRect client;
        GetClientRect(&client);
        CDC mem;
        mem.CreateCompatibleDC(&paint);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&paint, client.Width(), client.Height());
        CBitmap* old = mem.SelectObject(&bitmap);
        DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(mem.GetSafeHdc()), 0);
        mem.FillSolidRect(CRect(client.right - 10, 0, client.right, client.bottom), RGB(255, 0, 0));
        paint.BitBlt(0, 0, client.Width(), client.Height(), &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
        return 0;
    }
};

// Counts the warnings Qt prints while alive.
struct WarningCounter {
    static inline int count = 0;
    QtMessageHandler previous;
    WarningCounter()
    {
        count = 0;
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
            if (type == QtWarningMsg)
                ++count;
        });
    }
    ~WarningCounter() { qInstallMessageHandler(previous); }
};

TEST(DefaultPainting, ControlLookGoesIntoTheGivenDcAndTheWindowShowsTheResult)
{
    WarningCounter warnings;
    CWnd host;
    test::CreateHost(host);
    OverdrawnCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 150, 34), &host, 1));
    combo.AddString("一二三");
    combo.SetCurSel(0);
    for (int round = 0; round < 2; ++round) {
        const QImage shot = combo.m_hWnd->grab().toImage();
        EXPECT_EQ(shot.pixelColor(shot.width() - 5, shot.height() / 2), QColor(255, 0, 0)) << round;
        EXPECT_NE(shot.pixelColor(4, shot.height() / 2), QColor(0, 0, 0)) << "the control's own look is there";
    }
    EXPECT_EQ(WarningCounter::count, 0) << "no recursive repaint";
}

TEST(DefaultPainting, TemplateControlSubclassedLaterPaintsTheSameWay)
{
    ModuleContext context("painting");
    ModuleContextGuard guard(context);
    DialogTemplate t;
    t.id = 1;
    t.style = WS_POPUP | WS_VISIBLE;
    t.cx = 200;
    t.cy = 150;
    t.controls = {DialogControl{1, "SysTabControl32", "", 5, 5, 150, 80, 0},
                  DialogControl{3, "ComboBox", "", 5, 100, 80, 60, CBS_DROPDOWNLIST},
                  DialogControl{4, "Edit", "", 5, 130, 80, 14, ES_AUTOHSCROLL}};
    context.Templates().Register(t);
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(1, nullptr));
    OverdrawnCombo combo;
    ASSERT_TRUE(combo.SubclassDlgItem(3, &dialog));
    combo.AddString("自定义");
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    const QImage shot = combo.m_hWnd->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 5, shot.height() / 2), QColor(255, 0, 0));
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

TEST(DcState, OriginClipAndSavedStates)
{
    Surface s(10, 10, RGB(255, 255, 255));
    const int saved = s.dc.SaveDC();
    s.dc.SetViewportOrg(2, 3);
    s.dc.FillSolidRect(CRect(0, 0, 1, 1), RGB(0, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(0, 0), RGB(0, 0, 0)); // logical coordinates
    s.dc.SetViewportOrg(0, 0);
    EXPECT_EQ(s.dc.GetPixel(2, 3), RGB(0, 0, 0));
    s.dc.IntersectClipRect(CRect(5, 5, 7, 7));
    s.dc.FillSolidRect(CRect(0, 0, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(4, 4), RGB(255, 255, 255));
    CRect box;
    s.dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(5, 5, 7, 7));
    EXPECT_TRUE(s.dc.RestoreDC(saved));
    s.dc.FillSolidRect(CRect(0, 0, 1, 1), RGB(0, 255, 0));
    EXPECT_EQ(s.dc.GetPixel(0, 0), RGB(0, 255, 0));
    EXPECT_FALSE(s.dc.RestoreDC(saved));
}

TEST(DcState, WindowDcOutsidePaintingMeasuresButDrawsNothing)
{
    CWnd host;
    test::CreateHost(host);
    CClientDC dc(&host);
    EXPECT_GT(dc.GetTextExtent("组号").cx, 0);
    dc.FillSolidRect(CRect(0, 0, 10, 10), RGB(1, 2, 3)); // harmless
    EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
    CDC* owned = host.GetDC();
    EXPECT_NE(owned, nullptr);
    EXPECT_EQ(host.ReleaseDC(owned), 1);
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

TEST(Fonts, HeightAndWeightMapToPixelsAndBoldness)
{
    CFont bold;
    ASSERT_TRUE(bold.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, 1, 2, 1, 0, 0, "宋体"));
    EXPECT_EQ(bold.GetQFont().pixelSize(), 12);
    EXPECT_TRUE(bold.GetQFont().bold());
    EXPECT_FALSE(bold.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 1, 2, 1, 0, 0, "宋体")) << "already made";
    CFont normal;
    normal.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 1, 0, 1, 2, 1, 0, 0, nullptr);
    EXPECT_FALSE(normal.GetQFont().bold());
    EXPECT_TRUE(normal.GetQFont().underline());
    Surface s(100, 20, RGB(255, 255, 255));
    s.dc.SelectObject(&bold);
    const int boldWidth = s.dc.GetTextExtent("ABCDEF").cx;
    s.dc.SelectObject(&normal);
    EXPECT_GE(boldWidth, s.dc.GetTextExtent("ABCDEF").cx);
    s.dc.SelectStockObject(SYSTEM_FONT); // the fonts may go now
}

TEST(ImageLists, StripsSplitIntoCellsWithTheMaskColourTransparent)
{
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 255));
    strip.setPixel(3, 3, qRgb(0, 0, 0));
    strip.setPixel(20, 3, qRgb(0, 128, 0));
    CBitmap bitmap;
    bitmap.CreateFromImage(strip);
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0));
    EXPECT_EQ(images.Add(&bitmap, RGB(255, 0, 255)), 0);
    EXPECT_EQ(images.GetImageCount(), 2);
    const QImage second = images.GetQIcon(1).pixmap(16, 16).toImage();
    EXPECT_EQ(second.pixelColor(4, 3), QColor(0, 128, 0));
    EXPECT_EQ(second.pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(images.GetQIcon(5).isNull());
    EXPECT_EQ(images.Add(static_cast<HICON>(nullptr)), -1);
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

// Memory DCs made, filled and handed their defaults back side by side, as
// nested paint code does: each draws on its own surface, and Qt has nothing
// to complain about (a device painted by two painters draws nothing).
TEST(MemoryDcs, SeveralAliveAtOnceEachDrawAndBlitWithoutWarnings)
{
    WarningCounter warnings;
    CDC first;
    CDC second;
    first.CreateCompatibleDC(nullptr);
    second.CreateCompatibleDC(nullptr);
    first.FillSolidRect(0, 0, 1, 1, RGB(255, 255, 255));
    EXPECT_EQ(first.GetPixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(second.GetPixel(0, 0), RGB(0, 0, 0)) << "each DC starts on a bitmap of its own";

    CBitmap red;
    red.CreateCompatibleBitmap(&first, 3, 2);
    CBitmap blue;
    blue.CreateCompatibleBitmap(&second, 3, 2);
    CBitmap* firstDefault = first.SelectObject(&red);
    CBitmap* secondDefault = second.SelectObject(&blue);
    ASSERT_NE(firstDefault, nullptr);
    ASSERT_NE(firstDefault, secondDefault);
    first.FillSolidRect(0, 0, 3, 2, RGB(200, 0, 0));
    second.FillSolidRect(0, 0, 3, 2, RGB(0, 0, 200));
    EXPECT_TRUE(first.BitBlt(1, 0, 2, 2, &second, 0, 0, SRCCOPY));
    EXPECT_EQ(first.GetPixel(0, 1), RGB(200, 0, 0));
    EXPECT_EQ(first.GetPixel(2, 1), RGB(0, 0, 200));
    EXPECT_FALSE(DeleteObject(firstDefault->m_hObject)) << "a DC's default bitmap is not the caller's to delete";

    // Both back on their defaults at once, still drawable.
    first.SelectObject(firstDefault);
    second.SelectObject(secondDefault);
    second.FillSolidRect(0, 0, 1, 1, RGB(255, 255, 255));
    EXPECT_EQ(second.GetPixel(0, 0), RGB(255, 255, 255));
    first.FillSolidRect(0, 0, 1, 1, RGB(0, 0, 0));
    EXPECT_EQ(first.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(warnings.count, 0);
}

TEST(ObjectLifetime, ObjectDestroyedWhileSelectedLivesUntilTheDcLetsGo)
{
    Surface s(4, 4, RGB(255, 255, 255));
    {
        CBrush red(RGB(255, 0, 0));
        s.dc.SelectObject(&red);
        CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
        s.dc.SelectObject(&pen);
        s.dc.SaveDC();
        CFont font;
        font.CreatePointFont(90, "宋体");
        s.dc.SelectObject(&font);
        EXPECT_FALSE(red.DeleteObject()); // selected: kept, as the system keeps it
    } // all three leave scope still selected
    s.dc.FillRect(CRect(0, 0, 2, 2), s.dc.GetCurrentBrush());
    EXPECT_EQ(s.dc.GetPixel(1, 1), RGB(255, 0, 0));
    s.dc.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(s.dc.GetPixel(3, 3), RGB(0, 0, 255));
    EXPECT_GT(s.dc.GetTextExtent("字").cx, 0);
    s.dc.RestoreDC(-1);
    s.dc.SelectStockObject(WHITE_BRUSH);
    s.dc.SelectStockObject(BLACK_PEN);
    s.dc.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(s.dc.GetPixel(3, 3), RGB(0, 0, 0));
}

TEST(ObjectLifetime, BitmapDestroyedWhileSelectedStaysDrawableUntilReplaced)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* stock = nullptr;
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dc, 3, 3);
        stock = dc.SelectObject(&bitmap);
    }
    dc.FillSolidRect(CRect(0, 0, 3, 3), RGB(7, 8, 9));
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(7, 8, 9));
    EXPECT_EQ(dc.SelectObject(stock), nullptr); // the orphan goes now
    EXPECT_EQ(dc.GetPixel(2, 2), CLR_INVALID);  // back on the 1x1 surface
}

} // namespace
} // namespace vesk
