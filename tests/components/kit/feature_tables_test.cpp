// The kit's table behaviour (header sort with figures descending first, the
// sort kept across a refill, copy with titles, send of the selected rows'
// numbers), the frame, and the state a window keeps across a release of its
// feature.

#include "components/features/kit/feature_base.h"
#include "components/features/kit/feature_frame.h"
#include "components/features/kit/focus_ring.h"
#include "components/features/kit/kept_state.h"
#include "components/features/kit/table_actions.h"
#include "components/features/kit/table_cells.h"
#include "components/features/kit/window_picker.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace vesk::features {
namespace {

const char* const kTitles[] = {"项目", "当前遗漏", "出现率"};

// Rows (label, omission, rate); "b" and "c" tie on the omission.
void Fill(QStandardItemModel& model, const std::vector<std::tuple<const char*, int, double>>& rows)
{
    model.removeRows(0, model.rowCount());
    for (const auto& [label, omission, rate] : rows)
        model.appendRow({TextCell(QString::fromUtf8(label)), NumberCell(omission),
                         NumberCell(QString::number(rate), rate)});
}

QStringList Column(const QTableView& view, int column)
{
    QStringList texts;
    for (int r = 0; r < view.model()->rowCount(); ++r)
        texts << view.model()->index(r, column).data().toString();
    return texts;
}

void ClickHeader(QTableView& view, int section)
{
    QHeaderView* header = view.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

class TableFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        model = MakeTableModel(&view, kTitles);
        MakeSortable(&view, model);
        Fill(*model, {{"a", 3, 0.5}, {"b", 7, 0.25}, {"c", 7, 0.75}, {"d", 1, 0.125}});
        view.resize(400, 300);
        view.show();
    }

    QTableView view;
    QStandardItemModel* model = nullptr;
};

TEST_F(TableFixture, AHeaderClickSortsFiguresDescendingFirstTextsAscendingAndKeepsTiesInOrder)
{
    EXPECT_EQ(Column(view, 0), (QStringList{"a", "b", "c", "d"})) << "no sort before a click";
    ClickHeader(view, 1);
    EXPECT_EQ(Column(view, 0), (QStringList{"b", "c", "a", "d"})) << "largest omission first, ties as listed";
    ClickHeader(view, 1);
    EXPECT_EQ(Column(view, 0), (QStringList{"d", "a", "b", "c"}));
    ClickHeader(view, 2);
    EXPECT_EQ(Column(view, 0), (QStringList{"c", "a", "b", "d"})) << "rates by value, not by text";
    ClickHeader(view, 0);
    EXPECT_EQ(Column(view, 0), (QStringList{"a", "b", "c", "d"})) << "labels ascending first";
}

TEST_F(TableFixture, TheSortAndTheSelectionOutliveARefill)
{
    ClickHeader(view, 1);
    view.selectRow(2); // "a"
    {
        KeepSelection keep(&view);
        model->clear();
        model->setHorizontalHeaderLabels({QStringLiteral("项目"), QStringLiteral("当前遗漏"), QStringLiteral("出现率")});
        Fill(*model, {{"a", 9, 0.5}, {"b", 7, 0.25}, {"e", 8, 0.75}});
    }
    EXPECT_EQ(Column(view, 0), (QStringList{"a", "e", "b"})) << "the new figures, in the user's sort";
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorSection(), 1) << "the mark stays on the sorted column";
    EXPECT_EQ(SelectedSourceRows(&view), (std::vector<int>{0}));
}

TEST_F(TableFixture, CopyGivesTheTitlesAndTheSelectedRowsAsShown)
{
    ClickHeader(view, 1);
    view.selectionModel()->select(QItemSelection(view.model()->index(0, 0), view.model()->index(0, 2)),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.selectionModel()->select(QItemSelection(view.model()->index(3, 0), view.model()->index(3, 2)),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(SelectedRowsText(&view), QStringLiteral("项目\t当前遗漏\t出现率\nb\t7\t0.25\nd\t1\t0.125\n"));
    view.clearSelection();
    EXPECT_EQ(SelectedRowsText(&view).count(QLatin1Char('\n')), 5) << "every row when none is selected";

    std::vector<std::uint32_t> sent;
    AddTableMenu(&view, {"表", [](const std::vector<int>& rows) {
                             std::vector<std::uint32_t> numbers;
                             for (int row : rows)
                                 numbers.push_back(static_cast<std::uint32_t>(100 + row));
                             return numbers;
                         },
                         [&sent](const std::vector<std::uint32_t>& numbers) { sent = numbers; }, {}});
    auto* copy = view.findChild<QAction*>(QStringLiteral("copyRows"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    ASSERT_NE(view.findChild<QAction*>(QStringLiteral("exportRows")), nullptr);
    view.selectRow(1); // "c", source row 2
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("项目\t当前遗漏\t出现率\nc\t7\t0.75\n"));
    view.findChild<QAction*>(QStringLiteral("sendRows"))->trigger();
    EXPECT_EQ(sent, (std::vector<std::uint32_t>{102})) << "the source row of the shown row";
    sent.clear();
    view.clearSelection();
    view.findChild<QAction*>(QStringLiteral("sendRows"))->trigger();
    EXPECT_TRUE(sent.empty()) << "nothing selected sends nothing";
}

class Part final : public QWidget, public KeepsState {
public:
    explicit Part(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("part")); }
    QVariantMap SaveState() const override { return {{QStringLiteral("loaded"), loaded}}; }
    void RestoreState(const QVariantMap& state) override
    {
        loaded = state.value(QStringLiteral("loaded")).toString();
        // Restored after the controls: the part sees the texts given back.
        seenText = parentWidget()->findChild<QLineEdit*>(QStringLiteral("entry"))->text();
    }
    QString loaded;
    QString seenText;
};

// Two pages that name their controls alike, a picker, a part and a table.
struct Window {
    Window()
    {
        root.setObjectName(QStringLiteral("window"));
        for (const char* name : {"pageA", "pageB"}) {
            auto* page = new QWidget(&root);
            page->setObjectName(QString::fromLatin1(name));
            auto* entry = new QLineEdit(page);
            entry->setObjectName(QStringLiteral("entry"));
            auto* box = new QCheckBox(page);
            box->setObjectName(QStringLiteral("box"));
            pages.push_back(page);
        }
        text = new QPlainTextEdit(&root);
        text->setObjectName(QStringLiteral("text"));
        spin = new QSpinBox(&root);
        spin->setObjectName(QStringLiteral("spin"));
        spin->setRange(0, 99);
        combo = new QComboBox(&root);
        combo->setObjectName(QStringLiteral("combo"));
        combo->addItems({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
        picker = new WindowPicker(&root);
        part = new Part(&root);
        table = new QTableView(&root);
        table->setObjectName(QStringLiteral("table"));
        model = MakeTableModel(table, kTitles);
        MakeSortable(table, model);
        Fill(*model, {{"a", 3, 0.5}, {"b", 7, 0.25}, {"c", 5, 0.75}});
    }
    QLineEdit* Entry(int page) const { return pages[static_cast<std::size_t>(page)]->findChild<QLineEdit*>(); }
    QCheckBox* Box(int page) const { return pages[static_cast<std::size_t>(page)]->findChild<QCheckBox*>(); }

    QWidget root;
    std::vector<QWidget*> pages;
    QPlainTextEdit* text;
    QSpinBox* spin;
    QComboBox* combo;
    WindowPicker* picker;
    Part* part;
    QTableView* table;
    QStandardItemModel* model;
};

TEST(KeptStateTest, AWindowGetsBackWhatTheUserSetPagesApartAndThePickerLeftToTheOptions)
{
    QVariantMap state;
    {
        Window before;
        before.Entry(0)->setText(QStringLiteral("123 456"));
        before.Entry(1)->setText(QStringLiteral("789"));
        before.Box(1)->setChecked(true);
        before.text->setPlainText(QStringLiteral("1\n2"));
        before.spin->setValue(42);
        before.combo->setCurrentIndex(2);
        before.picker->SetWindow(500);
        before.part->loaded = QStringLiteral("plans.txt");
        before.table->sortByColumn(1, Qt::DescendingOrder);
        before.table->selectRow(1); // "c"
        state = CaptureWindow(&before.root);
    }
    Window after;
    int activated = -1;
    QObject::connect(after.combo, &QComboBox::activated, [&activated](int index) { activated = index; });
    RestoreWindow(&after.root, state);
    EXPECT_EQ(after.Entry(0)->text(), QStringLiteral("123 456"));
    EXPECT_EQ(after.Entry(1)->text(), QStringLiteral("789"));
    EXPECT_FALSE(after.Box(0)->isChecked());
    EXPECT_TRUE(after.Box(1)->isChecked());
    EXPECT_EQ(after.text->toPlainText(), QStringLiteral("1\n2"));
    EXPECT_EQ(after.spin->value(), 42);
    EXPECT_EQ(after.combo->currentIndex(), 2);
    EXPECT_EQ(activated, 2) << "the window hears the choice as a user's";
    EXPECT_EQ(after.picker->Window(), 100u) << "the history window is the options' to keep";
    EXPECT_EQ(after.part->loaded, QStringLiteral("plans.txt"));
    EXPECT_EQ(after.part->seenText, QStringLiteral("123 456")) << "parts come after the texts";
    EXPECT_EQ(Column(*after.table, 0), (QStringList{"b", "c", "a"}));
    EXPECT_EQ(SelectedSourceRows(after.table), (std::vector<int>{2}));
    // Nothing kept: nothing changes.
    Window fresh;
    RestoreWindow(&fresh.root, {});
    EXPECT_EQ(fresh.spin->value(), 0);
}

// A host that offers nothing: the feature reads no options or draws here.
class BareHost final : public IHostObject {
public:
    void* GetService(SlotInt) override { return nullptr; }
    SlotInt LoadComponent(const ModuleNameRecord*, void*) override { return 0; }
    SlotInt ReleaseComponent(void*) override { return 0; }
    WindowHandle GetFeatureWindow(SlotInt) override { return 0; }
    SlotInt OpenFeatureByName(const char*, SlotInt) override { return 0; }
};

class EntryFeature final : public FeatureBase {
public:
    EntryFeature() : FeatureBase(OpenArguments::CodeModule) {}
    QLineEdit* entry = nullptr;
    int opened = 0;

private:
    QWidget* MakeWindow(QWidget* parent) override
    {
        auto* window = new QWidget(parent);
        window->setObjectName(QStringLiteral("entryWindow"));
        entry = new QLineEdit(window);
        entry->setObjectName(QStringLiteral("entry"));
        return window;
    }
    void Opened() override { ++opened; }
    void HistoryChanged() override {}
};

TEST(KeptStateTest, AReleasedFeatureLeavesItsWindowsStateForTheNextOneOfTheSameCode)
{
    QWidget parent;
    BareHost host;
    {
        EntryFeature first;
        first.Initialize(&host, reinterpret_cast<WindowHandle>(&parent));
        first.Open(6, 0, 0, 0);
        first.entry->setText(QStringLiteral("123 2025001"));
        first.Open(6, 0, 0, 0);
        EXPECT_EQ(first.entry->text(), QStringLiteral("123 2025001")) << "a second opening keeps the live text";
    }
    EntryFeature second;
    second.Initialize(&host, reinterpret_cast<WindowHandle>(&parent));
    second.Open(6, 0, 0, 0);
    EXPECT_EQ(second.entry->text(), QStringLiteral("123 2025001"));
    EXPECT_EQ(second.opened, 1);
    EntryFeature other;
    other.Initialize(&host, reinterpret_cast<WindowHandle>(&parent));
    other.Open(7, 0, 0, 0);
    EXPECT_EQ(other.entry->text(), QString()) << "another feature of the library keeps its own";
}

class ProbeFrame final : public FeatureFrame {
public:
    ProbeFrame() : FeatureFrame(QStringLiteral("probeFrame"), QStringLiteral("标题"), nullptr)
    {
        content = new QLabel(QStringLiteral("表"), this);
        SetContent(content);
    }
    using FeatureFrame::ContentShown;
    using FeatureFrame::ShowContent;
    using FeatureFrame::ShowMissing;
    std::vector<std::size_t> picks;
    QLabel* content;

private:
    void WindowPicked(std::size_t last) override { picks.push_back(last); }
};

TEST(FeatureFrameTest, ShowsTheContentOrWhyNotAndPassesPicksOnOnce)
{
    ProbeFrame frame;
    std::vector<std::size_t> written;
    frame.windowChanged = [&written](std::size_t last) { written.push_back(last); };
    frame.resize(600, 300);
    frame.show();
    frame.ShowMissing(QStringLiteral("没有开奖号码"));
    EXPECT_FALSE(frame.ContentShown());
    EXPECT_TRUE(frame.findChild<QLabel*>(QStringLiteral("missingHistory"))->isVisible());
    frame.ShowContent();
    EXPECT_TRUE(frame.ContentShown());
    EXPECT_TRUE(frame.content->isVisible());
    auto* status = frame.findChild<QLabel*>(QStringLiteral("featureStatus"));
    EXPECT_FALSE(status->isVisible()) << "an empty status line takes no room";
    frame.SetStatus(QStringLiteral("统计 100 期"));
    EXPECT_TRUE(status->isVisible());
    frame.ShowLast(500);
    EXPECT_TRUE(frame.picks.empty()) << "shown, not picked";
    WindowPicker* picker = frame.Picker();
    picker->setCurrentIndex(picker->findData(static_cast<qulonglong>(30)));
    emit picker->activated(picker->currentIndex());
    EXPECT_EQ(frame.picks, (std::vector<std::size_t>{30}));
    EXPECT_EQ(written, (std::vector<std::size_t>{30}));
    EXPECT_EQ(frame.findChild<QLabel*>(QStringLiteral("featureTitle"))->text(), QStringLiteral("标题"));
}

TEST(FocusRingTest, TheFocusedControlIsRingedAndTabFollowsTheRows)
{
    QWidget window;
    window.resize(400, 200);
    // Made in another order than they stand: Tab must follow where they stand.
    auto* lower = new QLineEdit(&window);
    lower->setGeometry(10, 100, 100, 24);
    auto* right = new QLineEdit(&window);
    right->setGeometry(200, 10, 100, 24);
    auto* left = new QLineEdit(&window);
    left->setGeometry(10, 12, 100, 24);
    ShowFocusRing(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::qWait(10); // the order is set once the window has shown
    const auto next = [](QWidget* from) {
        QWidget* w = from->nextInFocusChain();
        while (w != from && !(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        return w;
    };
    EXPECT_EQ(next(left), right);
    EXPECT_EQ(next(right), lower);
    EXPECT_EQ(next(lower), left);

    left->setFocus();
    QApplication::processEvents();
    auto* ring = window.findChild<QWidget*>(QStringLiteral("focusRing"));
    ASSERT_NE(ring, nullptr);
    if (!left->hasFocus())
        GTEST_SKIP() << "the platform gives no focus offscreen";
    EXPECT_TRUE(ring->isVisible());
    EXPECT_TRUE(ring->geometry().contains(left->geometry()));
    EXPECT_FALSE(ring->geometry().intersects(right->geometry()));
    right->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(ring->geometry().contains(right->geometry())) << "the ring follows the focus";
}

} // namespace
} // namespace vesk::features
