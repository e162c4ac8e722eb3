// The generated skin files carry exactly the cell layouts the controls read.
#include <QColor>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage skin(const char* name)
{
    const QString dir = qEnvironmentVariable("VESK_BINARY_DIR", QStringLiteral("."));
    return QImage(QDir(dir).filePath(QStringLiteral("Skin/") + QLatin1String(name)));
}

struct Layout {
    const char* name;
    int width;
    int height;
};

TEST(SkinFiles, EveryFileHasItsDocumentedSize)
{
    const Layout layouts[] = {
        {"WhiteBtn.bmp", 28, 24}, {"BlueBtn.bmp", 28, 24},   {"FmTitle.bmp", 13, 29},
        {"DlgClose.bmp", 135, 24}, {"FmSysCls.bmp", 54, 19}, {"FmSysMin.bmp", 54, 19},
        {"FmSysMax.bmp", 54, 19},  {"FmSysRes.bmp", 54, 19}, {"FmSysBk.bmp", 84, 24},
        {"ScVtUp.bmp", 16, 64},    {"ScVtDown.bmp", 16, 64}, {"ScHzLeft.bmp", 64, 16},
        {"ScHzRigh.bmp", 64, 16},  {"ScVtHint.bmp", 16, 60}, {"ScHzHint.bmp", 60, 16},
        {"ScVtBar.bmp", 16, 21},   {"ScHzBar.bmp", 21, 16},  {"TabHead.bmp", 14, 30},
        {"Checked.ico", 16, 16},
    };
    for (const Layout& l : layouts) {
        const QImage image = skin(l.name);
        ASSERT_FALSE(image.isNull()) << l.name;
        EXPECT_EQ(image.width(), l.width) << l.name;
        EXPECT_EQ(image.height(), l.height) << l.name;
    }
    for (const char* name : {"ScVtBack.bmp", "ScHzBack.bmp", "ArrDml75.bmp", "ArrSel75.bmp",
                             "ArrDrg75.bmp", "ArrHnt75.bmp"})
        EXPECT_FALSE(skin(name).isNull()) << name;
}

TEST(SkinFiles, TwoCellImagesSplitEvenlyAndDigitsShowTheirDigit)
{
    for (const char* name : {"Checked.bmp", "CmbMode.bmp", "Radio.bmp"}) {
        const QImage image = skin(name);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.width() % 2, 0) << name;
        EXPECT_NE(image.copy(0, 0, image.width() / 2, image.height()),
                  image.copy(image.width() / 2, 0, image.width() / 2, image.height()))
            << name << ": off and on cells must differ";
    }
    // The row mode's cells fit the grouping panel's 11-pixel boxes; the off
    // (positional) cell carries the check mark its tooltip speaks of.
    const QImage mode = skin("CmbMode.bmp");
    ASSERT_EQ(mode.size(), QSize(22, 11));
    const auto inked = [&mode](int cell) {
        int dark = 0;
        for (int y = 2; y < 9; ++y)
            for (int x = cell * 11 + 2; x < cell * 11 + 9; ++x)
                dark += mode.pixelColor(x, y).lightness() < 128;
        return dark;
    };
    EXPECT_GT(inked(0), 3);
    EXPECT_GT(inked(1), inked(0)); // the filled square

    const QImage zero = skin("Num0.bmp");
    for (int digit = 1; digit <= 9; ++digit) {
        const QImage other = skin(QStringLiteral("Num%1.bmp").arg(digit).toLatin1().constData());
        ASSERT_EQ(other.size(), zero.size());
        EXPECT_NE(other, zero) << digit;
    }
}

TEST(SkinFiles, IconsAreKeyedOnMagentaWithAnOpaqueMotif)
{
    for (const char* name :
         {"EditOpen.bmp", "EditSave.bmp", "EditClr.bmp", "EditStat.bmp", "EditFlt.bmp", "FltEdit.bmp"}) {
        const QImage image = skin(name);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 255)) << name;
        int motif = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                motif += image.pixelColor(x, y) != QColor(255, 0, 255);
        EXPECT_GT(motif, 20) << name;
    }
}

TEST(SkinFiles, HorizontalScrollImagesMirrorTheVerticalOnes)
{
    const QImage up = skin("ScVtUp.bmp");
    const QImage left = skin("ScHzLeft.bmp");
    ASSERT_FALSE(up.isNull());
    for (int along = 0; along < 64; along += 5)
        for (int across = 0; across < 16; across += 3)
            EXPECT_EQ(up.pixel(across, along), left.pixel(along, across));
}

} // namespace
