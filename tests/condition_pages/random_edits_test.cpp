// Seeded random edits on both condition pages through the window's own
// input: toggles, enable boxes, mode, field and type choices, spin boxes,
// typed texts, add, move and remove buttons, and now and then a set loaded
// again. After every step the conditions on screen, the preview and a run
// must agree with the engine on the set the page holds.
#include "tests/condition_pages/window_input.h"

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_type.h"
#include "components/filter/engine/preview.h"
#include "components/filter/engine/validate.h"
#include "framework/interaction.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>

namespace vesk::test {
namespace {

using filter::Condition;
using filter::ConditionSet;
using filter::ConditionType;

// Per page; fewer under the address sanitizer, which makes each step some
// times slower and finds its faults in the first hundreds as well.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSteps = 300;
#else
constexpr int kSteps = 1000;
#endif

// Draws for the history conditions; the same as the page's draw file.
const std::vector<std::uint32_t> kDraws = {123, 456, 789, 111, 308, 925};

constexpr const char* kStart = R"([
    {"name": "甲", "conditions": [
        {"type": "sum", "values": [10, 11]}, {"type": "sum", "values": [20], "mode": "exclude"},
        {"type": "contains", "digits": [7], "values": [0]}, {"type": "contains", "digits": [1, 2], "values": [1, 2]},
        {"type": "contains", "digits": [3], "values": [0]}, {"type": "pairs", "pairs": ["12", "34"], "values": [1]},
        {"type": "max-digit", "values": [9], "enabled": false}, {"type": "position", "position": 2, "values": [3, 4]},
        {"type": "pair-sum", "pair": [1, 2], "values": [9]}, {"type": "recent-count", "window": 3, "values": [1, 2]},
        {"type": "list", "numbers": ["123", "456"], "group": true}]}])";
constexpr const char* kSecondGroup = R"(, {"name": "乙", "errors": [0, 1], "conditions": [
        {"type": "span", "values": [0, 1, 2]}, {"type": "odd-pattern", "values": [0, 7]}]}])";

// A condition reduced to what the window shows of its type.
Condition Shown(Condition c)
{
    const filter::TypeField field = filter::InfoOf(c.type).field;
    if (field != filter::TypeField::Position)
        c.position = 0;
    if (field != filter::TypeField::Pair)
        c.pair = {0, 1};
    if (field != filter::TypeField::Window)
        c.window = 1;
    if (field != filter::TypeField::Digits)
        c.digits.clear();
    if (field != filter::TypeField::Pairs)
        c.pairs.clear();
    if (field != filter::TypeField::Numbers) {
        c.numbers.clear();
        c.group = false;
    }
    if (c.type == ConditionType::List)
        c.values.clear();
    std::sort(c.values.begin(), c.values.end());
    c.values.erase(std::unique(c.values.begin(), c.values.end()), c.values.end());
    return c;
}

bool Blank(const Condition& c)
{
    const bool killValues = c.type == ConditionType::Contains && c.values == std::vector<std::int64_t>{0};
    return !c.enabled && (c.values.empty() || killValues) && c.digits.empty() && c.pairs.empty() && c.numbers.empty();
}

std::vector<std::string> Words(const QString& text)
{
    std::istringstream in(text.toStdString());
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// "0-3 8" as the values text shows them.
std::vector<std::int64_t> ValuesOfText(const QString& text)
{
    std::vector<std::int64_t> values;
    for (const std::string& item : Words(text)) {
        const auto dash = item.find('-');
        const std::int64_t first = std::stoll(item.substr(0, dash));
        const std::int64_t last = dash == std::string::npos ? first : std::stoll(item.substr(dash + 1));
        for (std::int64_t v = first; v <= last; ++v)
            values.push_back(v);
    }
    return values;
}

// What a row shows, read back from its controls as a condition.
Condition ReadRow(QWidget* row)
{
    static const std::map<QString, std::pair<ConditionType, int>> kFixedLabels = {
        {QStringLiteral("百位"), {ConditionType::Position, 0}},
        {QStringLiteral("十位"), {ConditionType::Position, 1}},
        {QStringLiteral("个位"), {ConditionType::Position, 2}},
        {QStringLiteral("杀号"), {ConditionType::Contains, 0}},
    };
    Condition c;
    auto* box = row->findChild<QCheckBox*>();
    const QString label = box->text();
    c.enabled = box->isChecked();
    if (const auto fixed = kFixedLabels.find(label); fixed != kFixedLabels.end()) {
        c.type = fixed->second.first;
        c.position = fixed->second.second;
    } else {
        bool known = false;
        for (int t = 0; t < filter::kConditionTypeCount && !known; ++t) {
            const std::string_view name = filter::InfoOf(static_cast<ConditionType>(t)).name;
            if (label == QString::fromUtf8(name.data(), static_cast<int>(name.size()))) {
                c.type = static_cast<ConditionType>(t);
                known = true;
            }
        }
        EXPECT_TRUE(known) << label.toStdString();
    }
    if (label == QStringLiteral("杀号"))
        c.values = {0};
    for (QComboBox* combo : row->findChildren<QComboBox*>()) {
        if (combo->itemText(0) == QStringLiteral("保留"))
            c.mode = combo->currentIndex() == 1 ? filter::Mode::Exclude : filter::Mode::Keep;
        else if (combo->toolTip() == QStringLiteral("哪两位"))
            c.pair = {combo->currentData().toList()[0].toInt(), combo->currentData().toList()[1].toInt()};
        else
            c.position = combo->currentIndex();
    }
    if (auto* spin = row->findChild<QSpinBox*>())
        c.window = spin->value();
    for (QCheckBox* group : row->findChildren<QCheckBox*>())
        if (group->text() == QStringLiteral("组选"))
            c.group = group->isChecked();
    if (QWidget* digits = row->findChild<QWidget*>(QStringLiteral("digits")))
        for (QToolButton* button : digits->findChildren<QToolButton*>())
            if (button->isChecked())
                c.digits.push_back(button->text().toInt());
    std::sort(c.digits.begin(), c.digits.end());
    if (QWidget* values = row->findChild<QWidget*>(QStringLiteral("values"))) {
        for (QToolButton* button : values->findChildren<QToolButton*>())
            if (button->isVisibleTo(row) && button->isChecked())
                c.values.push_back(button->property("value").toLongLong());
        for (QLineEdit* text : values->findChildren<QLineEdit*>())
            if (text->isVisibleTo(row))
                c.values = ValuesOfText(text->text());
    }
    for (QLineEdit* text : row->findChildren<QLineEdit*>()) {
        if (text->placeholderText() == QStringLiteral("如 12 55"))
            c.pairs = Words(text->text());
        else if (text->placeholderText() == QStringLiteral("号码，空格分隔"))
            c.numbers = Words(text->text());
    }
    return Shown(c);
}

std::string Describe(const Condition& c)
{
    std::ostringstream text;
    text << filter::InfoOf(c.type).id << (c.enabled ? " on" : " off") << (c.mode == filter::Mode::Exclude ? " exclude" : " keep")
         << " values";
    for (const auto v : c.values)
        text << ' ' << v;
    text << " digits";
    for (const int d : c.digits)
        text << ' ' << d;
    text << " pos " << c.position << " pair " << c.pair[0] << c.pair[1] << " window " << c.window;
    for (const auto& w : c.pairs)
        text << " p" << w;
    for (const auto& w : c.numbers)
        text << " n" << w;
    text << (c.group ? " group" : "");
    return text.str();
}

class RandomEdits : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        WriteFile(pages.Root() + "data/draws.txt", "2024001 123\n2024002 456\n2024003 789\n2024004 111\n2024005 308\n2024006 925\n");
        pages.OpenPages();
        pages.Fixed().MoveWindow(CRect(0, 0, 330, 300));
        pages.Combined().MoveWindow(CRect(0, 0, 330, 300));
        if (Combined()) {
            pages.Fixed().ShowWindow(SW_HIDE);
            pages.Combined().ShowWindow(SW_SHOW);
        }
        panel = pages.Panel(Page());
        ASSERT_NE(panel, nullptr);
        panel->window()->activateWindow();
        Load();
    }

    bool Combined() const { return GetParam(); }
    ConditionPage& Page() { return Combined() ? pages.Combined() : pages.Fixed(); }
    IRyxFilter& Engine() { return *pages.Engine(Page()); }
    QWidget* Body() { return panel->findChild<QScrollArea*>()->widget(); }

    void Load()
    {
        ScriptedInteraction script;
        const std::string path = pages.Root() + "start.json";
        std::string groups = kStart;
        if (Combined())
            groups = groups.substr(0, groups.size() - 1) + kSecondGroup;
        WriteFile(path, R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": )" + groups + "}");
        script.QueueFileSelection({path});
        QTest::mouseClick(Visible<QPushButton>(panel, QStringLiteral("载入方案")), Qt::LeftButton);
        Settle();
        ASSERT_TRUE(script.MessageBoxes().empty()) << script.MessageBoxes()[0].text;
    }

    template <class T>
    std::vector<T*> Controls()
    {
        std::vector<T*> found;
        QWidget* body = Body();
        for (T* widget : body->findChildren<T*>())
            if (widget->isVisibleTo(body) && widget->isEnabled())
                found.push_back(widget);
        return found;
    }

    template <class T>
    T* Pick(const std::vector<T*>& from)
    {
        return from.empty() ? nullptr : from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    }

    // One input of a user, described for the failure message.
    std::string Step()
    {
        const int kind = std::uniform_int_distribution<int>(0, 99)(random);
        if (kind < 40) {
            std::vector<QToolButton*> buttons = Controls<QToolButton>();
            // Removing and moving are rarer than values, or the set soon empties.
            std::erase_if(buttons, [this](QToolButton* b) {
                return !b->isCheckable() && std::uniform_int_distribution<int>(0, 3)(random) != 0;
            });
            if (QToolButton* button = Pick(buttons)) {
                const std::string what = "click " + button->text().toStdString();
                QTest::mouseClick(button, Qt::LeftButton);
                return what;
            }
        } else if (kind < 55) {
            if (QCheckBox* box = Pick(Controls<QCheckBox>())) {
                const std::string what = "tick " + box->text().toStdString();
                QTest::mouseClick(box, Qt::LeftButton);
                return what;
            }
        } else if (kind < 68) {
            if (QComboBox* combo = Pick(Controls<QComboBox>())) {
                const std::string what = "choose in " + combo->currentText().toStdString();
                combo->setFocus();
                QTest::keyClick(combo, std::uniform_int_distribution<int>(0, 1)(random) ? Qt::Key_Down : Qt::Key_Up);
                return what;
            }
        } else if (kind < 78) {
            if (QSpinBox* spin = Pick(Controls<QSpinBox>())) {
                const std::string what = "turn " + spin->text().toStdString();
                spin->setFocus();
                QTest::keyClick(spin, std::uniform_int_distribution<int>(0, 2)(random) ? Qt::Key_Up : Qt::Key_Down);
                return what;
            }
        } else if (kind < 90) {
            if (QLineEdit* edit = Pick(Controls<QLineEdit>())) {
                static const char* const kPairs[] = {"", "12", "12 34", "12 34 56 11", "55 19"};
                static const char* const kNumbers[] = {"", "123", "321 456", "000 999 123"};
                static const char* const kValues[] = {"", "0", "0-3 9", "1 2 5-8", "12"};
                static const char* const kNames[] = {"", "A1", "main"};
                const QString hint = edit->placeholderText();
                const char* text = hint == QStringLiteral("如 12 55") ? kPairs[random() % 5]
                                   : hint.startsWith(QStringLiteral("号码")) ? kNumbers[random() % 4]
                                   : hint.startsWith(QStringLiteral("值")) ? kValues[random() % 5]
                                                                           : kNames[random() % 3];
                edit->setFocus();
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Delete);
                QTest::keyClicks(edit, QString::fromUtf8(text));
                QTest::keyClick(edit, Qt::Key_Return);
                std::ostringstream what;
                what << "type '" << text << "'";
                return what.str();
            }
        } else if (kind < 99) {
            std::vector<QPushButton*> buttons = Controls<QPushButton>();
            // Enough conditions keep a step quick and the page readable.
            const ConditionSet set = SetOf(Engine());
            std::size_t conditions = 0;
            for (const auto& group : set.groups)
                conditions += group.conditions.size();
            std::erase_if(buttons, [&](QPushButton* b) {
                return (b->text() == QStringLiteral("添加条件") && conditions > 12) ||
                       (b->text() == QStringLiteral("添加条件组") && set.groups.size() > 3);
            });
            if (QPushButton* button = Pick(buttons)) {
                const std::string what = "press " + button->text().toStdString();
                QTest::mouseClick(button, Qt::LeftButton);
                return what;
            }
        } else {
            Load();
            return "load the starting set";
        }
        return "nothing";
    }

    void Check(const std::string& trail)
    {
        SCOPED_TRACE(trail);
        char message[256] = {};
        const bool ready = Page().PrepareRun(message) != 0;
        Settle();
        const ConditionSet set = SetOf(Engine());

        const filter::CompileResult compiled = filter::Compile(set, 3, &history);
        ASSERT_TRUE(compiled.compiled) << compiled.error;
        const filter::Preview preview = filter::PreviewSet(set, *compiled.compiled);

        // The conditions on screen are the set's, each once, with what each alone rejects.
        std::vector<std::string> screen;
        std::vector<bool> blank;
        for (QWidget* row : AllRows(Body())) {
            const Condition shown = ReadRow(row);
            QString rejected;
            for (QLabel* label : row->findChildren<QLabel*>())
                if (label->toolTip() == QStringLiteral("只用这一个条件时滤除的注数"))
                    rejected = label->text();
            screen.push_back(Describe(shown) + " | " + rejected.toStdString());
            // A 其他条件 line (it has a remove button) always stands for a condition.
            blank.push_back(Blank(shown) && rejected.isEmpty() && !Visible<QToolButton>(row, QStringLiteral("删除")));
        }
        std::vector<std::string> held;
        for (std::size_t g = 0; g < set.groups.size(); ++g)
            for (std::size_t i = 0; i < set.groups[g].conditions.size(); ++i) {
                const auto alone = preview.rejectedAlone.at(g).at(i);
                const QString rejected = alone ? QStringLiteral("−%1 注").arg(*alone) : QString();
                held.push_back(Describe(Shown(set.groups[g].conditions[i])) + " | " + rejected.toStdString());
            }
        if (Combined()) {
            std::vector<QFrame*> heads;
            for (QFrame* head : Body()->findChildren<QFrame*>(QStringLiteral("groupHead")))
                if (head->isVisibleTo(Body()))
                    heads.push_back(head);
            QLayout* column = Body()->layout();
            std::sort(heads.begin(), heads.end(),
                      [column](QFrame* a, QFrame* b) { return column->indexOf(a) < column->indexOf(b); });
            ASSERT_EQ(heads.size(), set.groups.size());
            for (std::size_t g = 0; g < heads.size(); ++g) {
                const QList<QSpinBox*> spins = heads[g]->findChildren<QSpinBox*>();
                ASSERT_EQ(heads[g]->findChild<QCheckBox*>()->isChecked(), set.groups[g].enabled) << "group " << g;
                ASSERT_EQ(spins.at(0)->value(), set.groups[g].minErrors) << "group " << g;
                ASSERT_EQ(spins.at(1)->value(), set.groups[g].maxErrors) << "group " << g;
            }
            ASSERT_EQ(screen, held);
        } else {
            std::vector<bool> used(screen.size(), false);
            for (const std::string& c : held) {
                std::size_t at = 0;
                while (at < screen.size() && (used[at] || screen[at] != c))
                    ++at;
                ASSERT_LT(at, screen.size()) << "not on screen: " << c;
                used[at] = true;
            }
            for (std::size_t i = 0; i < screen.size(); ++i)
                ASSERT_TRUE(used[i] || blank[i]) << "shown for no condition: " << screen[i];
        }

        // The preview and a run are the engine's on that set.
        ASSERT_EQ(Preview(panel), PreviewOf(compiled.compiled->KeptCount()));
        ASSERT_EQ(ready, !filter::Validate(set, 3, true).has_value()) << message;
        if (!ready)
            return;
        NumberList all = AllNumbers();
        Page().FilterList(all);
        pages.Host().Take();
        for (std::uint32_t code = 0; code < 1000; ++code)
            ASSERT_EQ(all.TagAt(code) != NumberList::kRemovalTag, compiled.compiled->Passes(code)) << code;
    }

    PageHarness pages;
    QWidget* panel = nullptr;
    filter::HistoryIndex history{kDraws, 3};
    std::mt19937 random{Combined() ? 1726u : 1717u};
};

TEST_P(RandomEdits, ScreenPreviewAndRunAgreeWithTheEngineAfterEveryStep)
{
    std::string trail;
    for (int step = 0; step < kSteps; ++step) {
        const std::string what = Step();
        Settle();
        // The last few steps name a failure.
        std::ostringstream line;
        line << '\n' << step << ": " << what;
        trail += line.str();
        if (trail.size() > 800)
            trail.erase(0, trail.size() - 600);
        Check(trail);
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(BothPages, RandomEdits, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Combined" : "Fixed"; });

} // namespace
} // namespace vesk::test
