// The digit pad as the number input dialog drives it.
#include "app/services/digit_pad.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace vesk::app {
namespace {

class DigitPadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&dialog);
        edit = new QLineEdit(&dialog);
        other = new QLineEdit(&dialog);
        edit->setMaxLength(3);
        layout->addWidget(edit);
        layout->addWidget(other);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        edit->setFocus();
    }

    // The module's calling order: attach, ten keys, arrange, show.
    void OfferPad()
    {
        ASSERT_EQ(pad.IsActive(), 0);
        ASSERT_EQ(pad.Attach(reinterpret_cast<WindowHandle>(&dialog), reinterpret_cast<WindowHandle>(edit), 0, 0), 1);
        for (int digit = 0; digit <= 9; ++digit) {
            const QByteArray text = QByteArray::number(digit);
            pad.AddKey(text.constData(), text.constData());
        }
        pad.Arrange(4, 0);
        ASSERT_EQ(pad.Show(5), 1);
    }

    QToolButton* Key(const QString& caption) const
    {
        for (QToolButton* button : pad.Window()->findChildren<QToolButton*>())
            if (button->text() == caption)
                return button;
        return nullptr;
    }

    QWidget dialog;
    QLineEdit* edit = nullptr;
    QLineEdit* other = nullptr;
    DigitPad pad;
};

TEST_F(DigitPadTest, KeysTypeIntoTheEditWithinItsLimits)
{
    OfferPad();
    EXPECT_EQ(pad.IsActive(), 1);
    ASSERT_EQ(pad.Window()->findChildren<QToolButton*>().size(), 10);
    for (const char* digit : {"4", "0", "7", "9"})
        QTest::mouseClick(Key(QString::fromLatin1(digit)), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("407")); // the edit's length limit holds
    EXPECT_EQ(other->text(), QString());
    // Placed under the edit, four keys to a row.
    EXPECT_EQ(pad.Window()->pos(), edit->mapToGlobal(QPoint(0, edit->height())));
    EXPECT_EQ(Key(QStringLiteral("4"))->y(), Key(QStringLiteral("0"))->y() + Key(QStringLiteral("0"))->height() + 2);
}

TEST_F(DigitPadTest, WorksOverAModalDialog)
{
    dialog.hide();
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    edit->setFocus();
    OfferPad();
    // Through the pad's window, so the application's modality rules apply.
    QToolButton* key = Key(QStringLiteral("8"));
    const QPoint centre = key->mapTo(pad.Window(), key->rect().center());
    QTest::mouseClick(pad.Window()->windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(edit->text(), QStringLiteral("8"));
}

TEST_F(DigitPadTest, HidesWhenTheEditIsLeftOrGone)
{
    OfferPad();
    pad.Show(0);
    EXPECT_EQ(pad.IsActive(), 0);
    ASSERT_EQ(pad.Show(5), 1);
    delete edit;
    edit = nullptr;
    EXPECT_EQ(pad.IsActive(), 0);
    EXPECT_EQ(pad.Show(5), 0);
}

TEST_F(DigitPadTest, RefusesHandlesThatAreNoWidgets)
{
    int notAWidget = 0;
    EXPECT_EQ(pad.Attach(0, reinterpret_cast<WindowHandle>(&notAWidget), 0, 0), 0);
    EXPECT_EQ(pad.Attach(0, 0, 0, 0), 0);
    EXPECT_EQ(pad.Show(5), 0);
    EXPECT_EQ(pad.AddKey(nullptr, "1"), 0);
}

} // namespace
} // namespace vesk::app
