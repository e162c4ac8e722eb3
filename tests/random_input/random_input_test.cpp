// Seeded random input into the real host with the real module and components:
// clicks, double clicks, keys, wheel turns, drags and tab switches on the
// workbench, its pages and every dialog they open, with runs, undo and redo
// among them. After each step the result and recycle lists hold no number
// twice and a run keeps every number either in the result or in the recycle
// list. A crash, a sanitizer report or an internal-error message fails it.
//
// VESK_RANDOM_INPUT_SECONDS sets the time (default 60), VESK_RANDOM_INPUT_SEED
// the seed (default fixed, so that a failure in CI can be replayed);
// VESK_RANDOM_INPUT_TRACE=1 prints every step.
#include "tests/random_input/random_interaction.h"
#include "tests/workbench/session_driver.h"

#include "app/chart/chart_feature.h"
#include "app/services/host_feature_set.h"
#include "app/window/feature_area.h"
#include "app/window/workbench_feature.h"
#include "filtering/grouping/grouping_panel.h"
#include "pages/result/result_ids.h"

#include <QAbstractButton>
#include <QAction>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace vesk::test {
namespace {

long EnvNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Files the dialogs offer: good ones, damaged ones, missing ones.
std::vector<std::string> PrepareFiles(const std::string& folder, std::mt19937& random)
{
    WriteFile(folder + "two-sums.json", R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
        "groups": [{"name": "和值", "enabled": true, "errors": [0, 0], "conditions": [
            {"type": "sum", "values": [9, 10, 11, 12, 13]},
            {"type": "sum", "values": [10, 11, 12, 13, 14, 15]},
            {"type": "contains", "digits": [1, 5], "values": [0, 1]}]}]})");
    WriteFile(folder + "errors.json", R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
        "groups": [{"name": "a", "enabled": true, "errors": [0, 1], "conditions": [
            {"type": "span", "values": [2, 3, 4, 5, 6]}, {"type": "odd-count", "values": [1, 2]}]},
            {"name": "b", "enabled": false, "errors": [0, 0], "conditions": [
            {"type": "big-count", "values": [1]}]}]})");
    WriteFile(folder + "bets.txt", "123 456 789 012\r\n345,678 901 234 111 222 333\r\n");
    std::string noise(4096, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    WriteFile(folder + "noise.flt", noise);
    WriteFile(folder + "half.json", R"({"format": "3dvesk-conditions", "version": 1, "groups": [{)");
    return {folder + "two-sums.json", folder + "errors.json", folder + "bets.txt", folder + "noise.flt",
            folder + "half.json", folder + "missing.txt", folder + "saved.txt", folder + "saved.flt",
            folder + "saved.xls", folder};
}

std::multiset<std::string> AsSet(const std::vector<std::string>& numbers)
{
    return {numbers.begin(), numbers.end()};
}

std::string Repeated(const std::vector<std::string>& numbers)
{
    std::vector<std::string> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    const auto twice = std::adjacent_find(sorted.begin(), sorted.end());
    return twice == sorted.end() ? std::string() : *twice;
}

class RandomInput {
public:
    // wander: move between the tree's features instead of keeping to the workbench.
    RandomInput(SessionDriver& driver, const RandomInteraction& answers, std::mt19937& random, bool wander = false)
        : m_driver(driver), m_answers(answers), m_random(random), m_wander(wander),
          m_trace(EnvNumber("VESK_RANDOM_INPUT_TRACE", 0) != 0)
    {
    }

    void Run(qint64 milliseconds)
    {
        m_clock.start();
        m_limit = milliseconds;
        QEventLoop loop;
        m_outer = &loop;
        ScheduleNext();
        loop.exec();
    }

    long Steps() const { return m_steps; }
    const std::vector<std::string>& Failures() const { return m_failures; }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // Each step schedules the next before it acts, so that steps go on inside
    // the modal loop of a dialog the action opens.
    void ScheduleNext() { QTimer::singleShot(0, [this] { Step(); }); }

    void Step()
    {
        if (!m_failures.empty() || m_clock.elapsed() > m_limit) {
            Finish();
            return;
        }
        if (m_answers.RealDialogShown()) {
            QTimer::singleShot(1, [this] { Step(); });
            return;
        }
        const bool inDialog = QApplication::activeModalWidget() || QApplication::activePopupWidget();
        if (m_depth > 0 && !inDialog) {
            // A drag loop holds the mouse until the button comes up: move it
            // about or let go. Otherwise a handler is letting events through
            // while it works; wait for it.
            if (QWidget* grabber = QWidget::mouseGrabber())
                Drag(grabber);
            QTimer::singleShot(1, [this] { Step(); });
            return;
        }
        ScheduleNext();
        ++m_steps;
        ++m_depth;
        Act();
        --m_depth;
        CheckLists("step");
    }

    // Closes whatever is open, then ends the outer loop once every step returned.
    void Finish()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QTest::keyClick(modal, Qt::Key_Escape);
            if (++m_closeAttempts > 20)
                modal->close();
        } else if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        if (m_depth > 0 || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
            QTimer::singleShot(0, [this] { Finish(); });
            return;
        }
        CheckLists("end");
        m_outer->quit();
    }

    QWidget* Root()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal;
        if (m_wander) {
            // Now and then another leaf of the tree, as people move between
            // features, and seldom the other tree with the banker check.
            QAction* shortTree = m_driver.Window().ShortTreeAction();
            if (Below(shortTree->isChecked() ? 60 : 400) == 0) {
                Trace("short tree", nullptr);
                shortTree->trigger();
            }
            if (Below(30) == 0 || !OpenFeature())
                SelectAnyLeaf();
            return OpenFeature();
        }
        if (!m_driver.Workbench())
            m_driver.Select(QStringLiteral("组号缩水"));
        return m_driver.Workbench();
    }

    QWidget* OpenFeature() const
    {
        for (QWidget* child : m_driver.Window().Area()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                return child;
        return nullptr;
    }

    // Any leaf but the calculator, which starts a program of the desktop.
    void SelectAnyLeaf()
    {
        QTreeWidget* tree = m_driver.Window().Tree().GetTreeWidget();
        // The omission lists' hundreds of catalogue leaves open one window;
        // the other features get most of the visits.
        std::vector<QTreeWidgetItem*> lists, others;
        for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NoChildren); *it; ++it) {
            if ((*it)->text(0) == QStringLiteral("计算器"))
                continue;
            bool list = false;
            for (QTreeWidgetItem* up = (*it)->parent(); up && !list; up = up->parent())
                list = up->text(0) == QStringLiteral("遗漏列表（分布）");
            (list ? lists : others).push_back(*it);
        }
        const auto& leaves = (others.empty() || (!lists.empty() && Below(4) == 0)) ? lists : others;
        if (leaves.empty())
            return;
        QTreeWidgetItem* leaf = leaves[static_cast<std::size_t>(Below(static_cast<int>(leaves.size())))];
        Trace(("leaf " + leaf->text(0).toStdString()).c_str(), nullptr);
        tree->setCurrentItem(leaf);
    }

    void Act()
    {
        QWidget* root = Root();
        if (!root)
            return;
        const bool dialog = QApplication::activePopupWidget() || QApplication::activeModalWidget();
        const bool onWorkbench = !dialog && root == m_driver.Workbench();
        if (dialog && Below(12) == 0) {
            QTest::keyClick(root, Qt::Key_Escape);
            return;
        }
        const int choice = Below(100);
        if (onWorkbench && choice < 6) {
            Trace("run", nullptr);
            RunFilter();
        } else if (onWorkbench && choice < 9) {
            ClickControl(IDC_GROUP_GENERATE);
        } else if (choice < 16) {
            SwitchTab(root);
        } else if (onWorkbench && choice < 19) {
            ClickButtonNamed(root, {QStringLiteral("载入"), QStringLiteral("打开")});
        } else if (onWorkbench && choice < 21) {
            EmptyARow(Attention(root));
        } else if (QWidget* target = PickWidget(Attention(root))) {
            Poke(target, choice);
        }
    }

    // People work on one row or one box for a while: now and then the steps
    // keep to a part of the window holding a few buttons, so that sequences
    // like "untick a row, take its values away, click the next row" happen.
    QWidget* Attention(QWidget* root)
    {
        if (m_focus && m_focusSteps > 0 && root->isAncestorOf(m_focus) && m_focus->isVisible()) {
            --m_focusSteps;
            return m_focus;
        }
        m_focus = nullptr;
        if (Below(5) != 0)
            return root;
        std::vector<QWidget*> parts;
        for (QWidget* part : root->findChildren<QWidget*>())
            if (part->isVisible() && part->findChildren<QAbstractButton*>().size() >= 3)
                parts.push_back(part);
        if (parts.empty())
            return root;
        m_focus = parts[static_cast<std::size_t>(Below(static_cast<int>(parts.size())))];
        m_focusSteps = 5 + Below(15);
        return m_focus;
    }

    void ClickButtonNamed(QWidget* root, std::initializer_list<QString> names)
    {
        std::vector<QAbstractButton*> found;
        for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
            for (const QString& name : names)
                if (button->isVisible() && button->isEnabled() && button->text().contains(name))
                    found.push_back(button);
        if (found.empty())
            return;
        QAbstractButton* button = found[static_cast<std::size_t>(Below(static_cast<int>(found.size())))];
        Trace("open", button);
        // What was just opened is what gets worked on next.
        m_focus = button->parentWidget();
        m_focusSteps = 30;
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    }

    // What people do to drop a condition: untick its row and take every value
    // away, one click each.
    void EmptyARow(QWidget* root)
    {
        const QPointer<QWidget> scope(root);
        // The row: the nearest parent of the tick box that holds value toggles.
        const auto rowOf = [](QCheckBox* box) -> QWidget* {
            for (QWidget* up = box->parentWidget(); up && up != box->window(); up = up->parentWidget())
                if (!up->findChildren<QToolButton*>().isEmpty())
                    return up;
            return nullptr;
        };
        const auto holdsACondition = [](QWidget* row, QCheckBox* box) {
            if (box->isChecked())
                return true;
            for (QToolButton* toggle : row->findChildren<QToolButton*>())
                if (toggle->isChecked())
                    return true;
            return false;
        };
        // The rows that hold a condition are the ones dropped; any row when none does.
        std::vector<QCheckBox*> rows, held;
        for (QCheckBox* box : root->findChildren<QCheckBox*>()) {
            QWidget* row = box->isVisible() && box->isEnabled() ? rowOf(box) : nullptr;
            if (!row)
                continue;
            rows.push_back(box);
            if (holdsACondition(row, box))
                held.push_back(box);
        }
        const auto& from = held.empty() ? rows : held;
        if (from.empty())
            return;
        QPointer<QCheckBox> box = from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
        Trace("empty row", box);
        QPointer<QWidget> row = rowOf(box);
        if (box->isChecked())
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
        for (int guard = 0; row && guard < 64; ++guard) {
            QToolButton* on = nullptr;
            for (QToolButton* toggle : row->findChildren<QToolButton*>())
                if (toggle->isVisible() && toggle->isEnabled() && toggle->isChecked())
                    on = toggle;
            if (!on)
                break;
            QTest::mouseClick(on, Qt::LeftButton, Qt::NoModifier, on->rect().center());
        }
        // Then another row gets the attention: the condition set anew elsewhere.
        // The clicks may have rebuilt the rows, so they are looked up again.
        std::vector<QWidget*> now;
        if (QWidget* where = scope ? scope.data() : m_driver.Workbench())
            for (QCheckBox* other : where->findChildren<QCheckBox*>())
                if (QWidget* otherRow = other->isVisible() ? rowOf(other) : nullptr)
                    now.push_back(otherRow);
        if (!now.empty()) {
            m_focus = now[static_cast<std::size_t>(Below(static_cast<int>(now.size())))];
            m_focusSteps = 10;
        }
    }

    QWidget* PickWidget(QWidget* root)
    {
        std::vector<QWidget*> widgets{root};
        for (QWidget* child : root->findChildren<QWidget*>())
            if (child->isVisible() && child->isEnabled() && !child->rect().isEmpty())
                widgets.push_back(child);
        // Buttons and boxes are where people click most.
        std::vector<QWidget*> buttons;
        for (QWidget* w : widgets)
            if (qobject_cast<QAbstractButton*>(w))
                buttons.push_back(w);
        const auto& from = (!buttons.empty() && Below(2) == 0) ? buttons : widgets;
        return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
    }

    QPoint AnyPoint(QWidget* w)
    {
        return {Below(std::max(1, w->width())), Below(std::max(1, w->height()))};
    }

    Qt::KeyboardModifiers AnyModifiers()
    {
        static const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                                           Qt::ShiftModifier, Qt::ControlModifier};
        return kModifiers[Below(5)];
    }

    void Trace(const char* what, QWidget* target)
    {
        if (!m_trace)
            return;
        const QByteArray name = target ? QByteArray(target->metaObject()->className()) : QByteArray("-");
        const QByteArray text = target ? target->windowTitle().toUtf8() : QByteArray();
        std::fprintf(stderr, "%lld step %ld depth %d: %s %s %s\n", m_clock.elapsed(), m_steps, m_depth, what, name.constData(),
                     text.constData());
    }

    void Poke(QWidget* target, int choice)
    {
        Trace("poke", target);
        if (m_trace)
            std::fprintf(stderr, "  choice %d\n", choice);
        QPointer<QWidget> w(target);
        const QPoint at = AnyPoint(target);
        if (choice < 55) {
            QTest::mousePress(w, Qt::LeftButton, AnyModifiers(), at);
            if (w)
                QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
        } else if (choice < 62) {
            QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
            if (w)
                QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
            if (w)
                QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, at);
        } else if (choice < 66) {
            QTest::mousePress(w, Qt::RightButton, Qt::NoModifier, at);
            if (w)
                QTest::mouseRelease(w, Qt::RightButton, Qt::NoModifier, at);
        } else if (choice < 70) {
            QWheelEvent wheel(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, Below(2) ? 120 : -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &wheel);
        } else if (choice < 74) {
            const QPoint to = AnyPoint(target);
            QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
            if (w)
                QTest::mouseMove(w, to);
            if (w)
                QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
        } else if (choice < 84) {
            static const char* const kTexts[] = {"123", "1 2 3", "456,789", "12a", "999999", "-1", "0", "\t", "1-9"};
            QTest::keyClicks(w, QString::fromLatin1(kTexts[Below(9)]));
        } else {
            static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab,
                                            Qt::Key_Space, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Up,
                                            Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                            Qt::Key_PageDown, Qt::Key_Z, Qt::Key_Y, Qt::Key_A, Qt::Key_C,
                                            Qt::Key_V, Qt::Key_X, Qt::Key_F5};
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus && Below(2) ? focus : w.data(), kKeys[Below(21)], AnyModifiers());
        }
    }

    void Drag(QWidget* grabber)
    {
        ++m_steps;
        Trace("drag", grabber);
        const QPoint to(Below(std::max(1, grabber->width() * 3)) - grabber->width(), Below(std::max(1, grabber->height())));
        if (Below(3) == 0)
            QTest::mouseRelease(grabber, Qt::LeftButton, Qt::NoModifier, to);
        else
            QTest::mouseMove(grabber, to);
    }

    void SwitchTab(QWidget* root)
    {
        std::vector<QTabBar*> bars;
        for (QTabBar* bar : root->findChildren<QTabBar*>())
            if (bar->isVisible() && bar->count() > 0)
                bars.push_back(bar);
        if (bars.empty())
            return;
        QTabBar* bar = bars[static_cast<std::size_t>(Below(static_cast<int>(bars.size())))];
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(Below(bar->count())).center());
    }

    // A click on a control of the grouping panel, without letting queued work
    // run: that is the next steps' business.
    void ClickControl(int id)
    {
        if (QWidget* control = SessionDriver::Control(m_driver.GroupingPanel(), id))
            QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    }

    // A run through the run button: every number before it is afterwards in
    // the result or, when the run removed any, in the recycle list.
    void RunFilter()
    {
        const auto before = Numbers(result::kResultGrid);
        const auto recycledBefore = Numbers(result::kRecycleGrid);
        const long step = m_steps;
        ClickControl(IDC_GROUP_FILTER);
        if (m_steps != step || !m_driver.Workbench())
            return; // other steps ran inside a dialog the run opened
        const auto after = Numbers(result::kResultGrid);
        const auto recycled = Numbers(result::kRecycleGrid);
        // A run that removed numbers replaces the recycle list by them.
        auto kept = AsSet(after);
        if (after.size() < before.size())
            kept.insert(recycled.begin(), recycled.end());
        else if (recycled != recycledBefore)
            Fail("a run that removed nothing changed the recycle list");
        const auto had = AsSet(before);
        if (kept != had) {
            std::vector<std::string> lost, invented;
            std::set_difference(had.begin(), had.end(), kept.begin(), kept.end(), std::back_inserter(lost));
            std::set_difference(kept.begin(), kept.end(), had.begin(), had.end(), std::back_inserter(invented));
            Fail("a run lost or invented numbers: " + std::to_string(before.size()) + " before, "
                 + std::to_string(after.size()) + " kept, " + std::to_string(recycled.size()) + " recycled; lost "
                 + (lost.empty() ? "none" : lost.front()) + ", invented " + (invented.empty() ? "none" : invented.front()));
        }
    }

    // The numbers a grid shows. The views are found once: a search of the
    // whole window tree after every step would be most of the test's time.
    std::vector<std::string> Numbers(unsigned grid)
    {
        QPointer<QAbstractItemView>& view = m_views[grid];
        if (!view) {
            QWidget* control = SessionDriver::Control(m_driver.RightContainer(), static_cast<int>(grid));
            view = control ? control->findChild<QAbstractItemView*>() : nullptr;
        }
        std::vector<std::string> rows;
        if (!view)
            return rows;
        const QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount(); ++row)
            rows.push_back(model->index(row, 1).data().toString().toStdString());
        return rows;
    }

    void CheckLists(const char* when)
    {
        if (!m_driver.Workbench())
            return;
        for (const unsigned grid : {result::kResultGrid, result::kRecycleGrid}) {
            const std::string twice = Repeated(Numbers(grid));
            if (!twice.empty())
                Fail(std::string(when) + ": " + twice + " twice in grid " + std::to_string(grid));
        }
    }

    void Fail(std::string what)
    {
        m_failures.push_back("step " + std::to_string(m_steps) + ": " + std::move(what));
    }

    SessionDriver& m_driver;
    const RandomInteraction& m_answers;
    std::mt19937& m_random;
    bool m_wander;
    bool m_trace;
    QElapsedTimer m_clock;
    qint64 m_limit = 0;
    QEventLoop* m_outer = nullptr;
    long m_steps = 0;
    int m_depth = 0;
    int m_closeAttempts = 0;
    std::vector<std::string> m_failures;
    std::map<unsigned, QPointer<QAbstractItemView>> m_views;
    QPointer<QWidget> m_focus;
    int m_focusSteps = 0;
};

TEST(RandomInput, TheWorkbenchSurvivesSeededInputAndKeepsEveryNumber)
{
    const auto seed = static_cast<std::uint32_t>(EnvNumber("VESK_RANDOM_INPUT_SEED", 1));
    const long seconds = EnvNumber("VESK_RANDOM_INPUT_SECONDS", 60);
    std::mt19937 random(seed);
    // The chart the result page hands numbers to, as the host's main sets it
    // up: it outlives the module, which may ask for its window to the end.
    chart::ChartFeature chart;
    SessionDriver driver;
    chart.SetOwner(&driver.Window());
    driver.Host().SetFeatures(&chart);
    RandomInteraction answers(random, PrepareFiles(driver.Folder(), random), driver.Folder());
    driver.Select(QStringLiteral("组号缩水"));
    ASSERT_NE(driver.Workbench(), nullptr);

    RandomInput input(driver, answers, random);
    input.Run(seconds * 1000);

    std::printf("random input: seed %u, %ld steps in %ld s, %d real file dialogs\n", seed, input.Steps(), seconds,
                answers.RealDialogs());
    for (const std::string& failure : input.Failures())
        ADD_FAILURE() << failure << " (seed " << seed << ")";
    for (const std::string& error : answers.InternalErrors())
        ADD_FAILURE() << error << " (seed " << seed << ")";
}

TEST(RandomInput, TheAnalysisFeaturesSurviveSeededInputAndHandOverWhatTheyMake)
{
    const auto seed = static_cast<std::uint32_t>(EnvNumber("VESK_RANDOM_INPUT_SEED", 1));
    const long seconds = EnvNumber("VESK_RANDOM_INPUT_SECONDS", 60);
    std::mt19937 random(seed);
    // The host's named features as its main sets them up: the chart, and the
    // workbench the features opened by code alone hand their numbers to.
    chart::ChartFeature chart;
    app::WorkbenchFeature workbench;
    app::HostFeatureSet features;
    features.Add(&chart);
    features.Add(&workbench);
    SessionDriver driver;
    chart.SetOwner(&driver.Window());
    workbench.SetWindow(&driver.Window());
    driver.Host().SetFeatures(&features);
    RandomInteraction answers(random, PrepareFiles(driver.Folder(), random), driver.Folder());

    RandomInput input(driver, answers, random, true);
    input.Run(seconds * 1000);

    std::printf("random input over the features: seed %u, %ld steps in %ld s\n", seed, input.Steps(), seconds);
    for (const std::string& failure : input.Failures())
        ADD_FAILURE() << failure << " (seed " << seed << ")";
    for (const std::string& error : answers.InternalErrors())
        ADD_FAILURE() << error << " (seed " << seed << ")";
}

} // namespace
} // namespace vesk::test
