// The fixed page keeps each condition in its row, driven with real input:
// a cleared row beside a second condition of its kind, settings made before
// a row has values, the 冷热 window, a 胆码 whose counts pass through {0},
// and a 两码组合 whose pairs get fewer.
#include "tests/condition_pages/window_input.h"

#include "framework/interaction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace vesk::test {
namespace {

using Values = std::vector<std::int64_t>;

class FixedRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        pages.OpenPages();
        pages.Fixed().MoveWindow(CRect(0, 0, 330, 300));
        pages.Combined().MoveWindow(CRect(0, 0, 330, 300));
        fixed = pages.Panel(pages.Fixed());
        ASSERT_NE(fixed, nullptr);
        fixed->window()->activateWindow();
    }

    void Load(const std::string& groups)
    {
        ScriptedInteraction script;
        const std::string path = pages.Root() + "loaded.json";
        WriteFile(path, R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": )" + groups + "}");
        script.QueueFileSelection({path});
        QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("载入方案")), Qt::LeftButton);
        Settle();
        ASSERT_EQ(script.MessageBoxes().size(), 0u) << script.MessageBoxes()[0].text;
    }

    filter::ConditionSet Set() { return SetOf(*pages.Engine(pages.Fixed())); }
    static void Click(QWidget* widget)
    {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
        Settle(); // new toggles show after the event that made them
    }
    static void Keys(QWidget* widget, Qt::Key key, int times)
    {
        widget->setFocus();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(widget, key);
    }
    static Values Checked(QWidget* row, const char* area)
    {
        Values checked;
        if (QWidget* holder = row->findChild<QWidget*>(QString::fromUtf8(area)))
            for (QToolButton* button : holder->findChildren<QToolButton*>())
                if (button->isVisibleTo(row) && button->isChecked())
                    checked.push_back(button->text().toLongLong());
        std::sort(checked.begin(), checked.end());
        return checked;
    }

    PageHarness pages;
    QWidget* fixed = nullptr;
};

TEST_F(FixedRows, AClearedRowKeepsItsConditionAndTheOtherOfItsKindKeepsItsOwn)
{
    Load(R"([{"conditions": [{"type": "sum", "values": [10]}, {"type": "sum", "values": [20]}]}])");
    // Found again before every click: a page that rebuilt its rows would leave these behind.
    const auto sum = [this](std::size_t k) {
        const std::vector<QWidget*> rows = RowsLabelled(fixed, QStringLiteral("和值"));
        return k < rows.size() ? rows[k] : nullptr;
    };
    ASSERT_EQ(RowsLabelled(fixed, QStringLiteral("和值")).size(), 2u); // the row, and the second sum under 其他条件
    Click(Toggle(sum(0), QStringLiteral("10")));
    Click(sum(0)->findChild<QCheckBox*>());
    Click(Toggle(sum(1), QStringLiteral("21")));

    const filter::ConditionSet set = Set();
    ASSERT_EQ(set.groups.at(0).conditions.size(), 2u);
    EXPECT_FALSE(set.groups[0].conditions[0].enabled);
    EXPECT_TRUE(set.groups[0].conditions[0].values.empty());
    EXPECT_EQ(set.groups[0].conditions[1].values, (Values{20, 21}));
    const std::vector<QWidget*> sums = RowsLabelled(fixed, QStringLiteral("和值"));
    ASSERT_EQ(sums.size(), 2u);
    EXPECT_EQ(Checked(sums[0], "values"), Values{});
    EXPECT_EQ(Checked(sums[1], "values"), (Values{20, 21}));
    EXPECT_EQ(Preview(fixed), PreviewOf(EngineKept(set)));

    // Removed, the other goes from the page and the row keeps what it had.
    Click(Visible<QToolButton>(sums[1], QStringLiteral("删除")));
    Settle();
    EXPECT_EQ(RowsLabelled(fixed, QStringLiteral("和值")).size(), 1u);
    EXPECT_EQ(Visible<QLabel>(fixed, QStringLiteral("其他条件")), nullptr);
    ASSERT_EQ(Set().groups[0].conditions.size(), 1u);
    EXPECT_FALSE(Set().groups[0].conditions[0].enabled);
    Click(Toggle(Row(fixed, QStringLiteral("和值")), QStringLiteral("27")));
    EXPECT_EQ(Set().groups[0].conditions[0].values, Values{27});
}

TEST_F(FixedRows, SettingsMadeBeforeARowHasValuesStay)
{
    QWidget* sum = Row(fixed, QStringLiteral("和值"));
    Keys(sum->findChild<QComboBox*>(), Qt::Key_Down, 1); // 排除
    QWidget* pairSum = Row(fixed, QStringLiteral("两码和"));
    QComboBox* pair = nullptr;
    for (QComboBox* box : pairSum->findChildren<QComboBox*>())
        if (box->toolTip() == QStringLiteral("哪两位"))
            pair = box;
    ASSERT_NE(pair, nullptr);
    Keys(pair, Qt::Key_Down, 2); // 十个
    EXPECT_EQ(sum->findChild<QComboBox*>()->currentIndex(), 1);
    EXPECT_EQ(pair->currentIndex(), 2);
    Click(Toggle(sum, QStringLiteral("10")));
    Click(Toggle(pairSum, QStringLiteral("5")));

    const filter::ConditionSet set = Set();
    ASSERT_EQ(set.groups.at(0).conditions.size(), 2u);
    EXPECT_EQ(set.groups[0].conditions[0].mode, filter::Mode::Exclude);
    EXPECT_EQ(set.groups[0].conditions[0].values, Values{10});
    EXPECT_EQ(set.groups[0].conditions[1].pair, (std::array<int, 2>{1, 2}));
    EXPECT_TRUE(set.groups[0].conditions[1].enabled);
    EXPECT_EQ(Preview(fixed), PreviewOf(EngineKept(set)));
}

TEST_F(FixedRows, TheHotColdWindowShowsAndUsesTheCombinedPagesDefault)
{
    QWidget* hot = Row(fixed, QStringLiteral("冷热"));
    QSpinBox* window = hot->findChild<QSpinBox*>();
    EXPECT_EQ(window->value(), 5);
    Click(Toggle(hot, QStringLiteral("2")));
    ASSERT_EQ(Set().groups.at(0).conditions.size(), 1u);
    EXPECT_EQ(Set().groups[0].conditions[0].window, 5);

    // Emptied and switched off, the row keeps its window as the user turns it.
    Click(Toggle(hot, QStringLiteral("2")));
    Click(hot->findChild<QCheckBox*>());
    Keys(window, Qt::Key_Up, 2);
    EXPECT_EQ(window->value(), 7);
    ASSERT_EQ(Set().groups.at(0).conditions.size(), 1u);
    EXPECT_EQ(Set().groups[0].conditions[0].window, 7);
    EXPECT_FALSE(Set().groups[0].conditions[0].enabled);
}

TEST_F(FixedRows, AContainsRowStaysItselfWhenItsCountsPassThroughZero)
{
    const auto rows = [this] {
        return std::pair(Row(fixed, QStringLiteral("胆码")), Row(fixed, QStringLiteral("杀号")));
    };
    Click(Toggle(rows().first, QStringLiteral("3"), "digits"));
    Click(Toggle(rows().first, QStringLiteral("0")));
    Click(Toggle(rows().first, QStringLiteral("1"))); // 出现 {0}: what a 杀号 holds
    Settle();
    EXPECT_EQ(Checked(rows().first, "digits"), Values{3});
    EXPECT_EQ(Checked(rows().first, "values"), Values{0});
    EXPECT_EQ(Checked(rows().second, "digits"), Values{});

    // With a 杀号 of its own beside it, nothing goes out of sight either.
    Click(Toggle(rows().second, QStringLiteral("5"), "digits"));
    Settle();
    EXPECT_EQ(Checked(rows().first, "digits"), Values{3});
    EXPECT_EQ(Checked(rows().second, "digits"), Values{5});
    EXPECT_EQ(RowsLabelled(fixed, QStringLiteral("胆码")).size(), 1u);
    EXPECT_EQ(Visible<QLabel>(fixed, QStringLiteral("其他条件")), nullptr);
    Click(Toggle(rows().first, QStringLiteral("1")));
    const filter::ConditionSet set = Set();
    ASSERT_EQ(set.groups.at(0).conditions.size(), 2u);
    EXPECT_EQ(set.groups[0].conditions[0].digits, std::vector<int>{3});
    EXPECT_EQ(set.groups[0].conditions[0].values, (Values{0, 1}));
    EXPECT_EQ(set.groups[0].conditions[1].digits, std::vector<int>{5});
    EXPECT_EQ(Checked(rows().first, "values"), (Values{0, 1}));
    EXPECT_EQ(Preview(fixed), PreviewOf(EngineKept(set)));
}

TEST_F(FixedRows, FewerPairsDropTheCountsNoNumberCanHave)
{
    Load(R"([{"conditions": [{"type": "pairs", "pairs": ["12", "34", "56"], "values": [1, 3]}]}])");
    QWidget* pairs = Row(fixed, QStringLiteral("两码组合"));
    ASSERT_NE(pairs, nullptr);
    QLineEdit* text = nullptr;
    for (QLineEdit* edit : pairs->findChildren<QLineEdit*>())
        if (edit->text() == QStringLiteral("12 34 56"))
            text = edit;
    ASSERT_NE(text, nullptr);
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("12 34"));
    QTest::keyClick(text, Qt::Key_Return);
    Settle();

    const filter::ConditionSet set = Set();
    EXPECT_EQ(set.groups.at(0).conditions.at(0).values, Values{1});
    EXPECT_EQ(Preview(fixed), PreviewOf(EngineKept(set))); // not a refusal of value 3
    EXPECT_EQ(Checked(pairs, "values"), Values{1});
}

} // namespace
} // namespace vesk::test
