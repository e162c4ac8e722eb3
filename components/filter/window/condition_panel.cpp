#include "components/filter/window/condition_panel.h"

#include "components/filter/component/report_text.h"
#include "components/filter/component/set_edits.h"
#include "components/filter/window/result_handover.h"
#include "components/filter/window/set_file.h"
#include "components/filter/window/text_views.h"
#include "framework/cfiledialog.h"
#include "framework/dialog_template.h"
#include "framework/interaction.h"
#include "framework/messages.h"
#include "framework/qt_color.h"
#include "framework/styles.h"
#include "skin/workbench_colors.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace vesk::filter {
namespace {

constexpr const char* kSetFilter = "条件方案 (*.json)|*.json|所有文件 (*.*)|*.*||";
constexpr const char* kCaption = "提示信息";

void PaintBackground(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(kWorkbenchBackground));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton* Button(const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

} // namespace

ConditionPanel::ConditionPanel(FilterComponent& engine, PageKind kind, HWND workbench, QWidget* parent)
    : QWidget(parent)
    , m_engine(&engine)
    , m_kind(kind)
    , m_workbench(workbench)
    , m_form(engine.Length())
{
    m_form.Adopt(engine.Set());
    setFont(DialogFont(DialogTemplate{}));
    PaintBackground(this);
    setStyleSheet(QStringLiteral(
        "QToolButton{border:1px solid #b4c2d2;border-radius:2px;background:#ffffff;padding:0px 3px;min-width:14px;}"
        "QToolButton:checked{background:#2f6db5;color:#ffffff;border-color:#2f6db5;}"
        "QToolButton:focus{border:1px solid #0b3d7a;}"
        "QToolButton:hover{border-color:#2f6db5;}"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setWordWrap(true);
    QFont bold = font();
    bold.setBold(true);
    m_preview->setFont(bold);
    column->addWidget(m_preview);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    auto* save = Button(QStringLiteral("保存方案"), QStringLiteral("把这些条件存成方案文件"), this);
    auto* load = Button(QStringLiteral("载入方案"), QStringLiteral("从方案文件载入条件，替换现有条件"), this);
    auto* backtest = Button(QStringLiteral("历史验证"), QStringLiteral("用这些条件检验最近各期开奖号码"), this);
    buttons->addWidget(save);
    buttons->addWidget(load);
    buttons->addWidget(backtest);
    auto* records = Button(QStringLiteral("历史表现"),
                           QStringLiteral("每个条件在最近各期各自保留了几期，和它随机保留的机会相比"), this);
    buttons->addWidget(records);
    buttons->addStretch(1);
    column->addLayout(buttons);
    QObject::connect(records, &QPushButton::clicked, this, [this] { OpenRecords(); });
    QObject::connect(save, &QPushButton::clicked, this, [this] { SaveSet(); });
    QObject::connect(load, &QPushButton::clicked, this, [this] { LoadSet(); });
    QObject::connect(backtest, &QPushButton::clicked, this, [this] { OpenBacktest(); });

    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::StyledPanel);
    PaintBackground(m_scroll->viewport());
    column->addWidget(m_scroll, 1);

    auto* bottom = new QHBoxLayout;
    m_summary = new QLabel(QStringLiteral("尚未缩水"), this);
    m_summary->setWordWrap(true);
    bottom->addWidget(m_summary, 1);
    m_reportButton = Button(QStringLiteral("报告"), QStringLiteral("上次缩水中各条件滤除的注数"), this);
    m_reportButton->setEnabled(false);
    bottom->addWidget(m_reportButton);
    column->addLayout(bottom);
    QObject::connect(m_reportButton, &QPushButton::clicked, this, [this] { OpenReport(); });

    Rebuild();
    ShowRunReport();
}

ConditionPanel::~ConditionPanel() = default;

const ConditionSet& ConditionPanel::Set() const
{
    return m_engine ? m_engine->Set() : m_detached;
}

int ConditionPanel::Length() const
{
    return m_engine ? m_engine->Length() : 3;
}

void ConditionPanel::Edit(const std::function<void(ConditionSet&)>& edit, bool structural)
{
    if (!m_engine)
        return;
    // Typed texts belong to the rows as they are now, before the rows move.
    if (structural && m_body)
        m_body->CommitTexts();
    ConditionSet set = m_engine->Set();
    edit(set);
    m_engine->SetSet(std::move(set));
    if (structural)
        Rebuild();
    else
        Refresh();
}

void ConditionPanel::Rebuild()
{
    // The old rows go later: the click that asked for this may come from
    // one. Until then they say nothing more (a text losing its focus as
    // they hide would edit the condition that took its place).
    if (QWidget* old = m_scroll->takeWidget()) {
        for (QObject* child : old->findChildren<QObject*>())
            child->blockSignals(true);
        old->hide();
        old->deleteLater();
    }
    if (m_kind == PageKind::Fixed && !m_form.Fits(Set()))
        m_form.Adopt(Set());
    m_body = m_kind == PageKind::Fixed ? MakeFixedBody(*this, m_form, nullptr) : MakeCombinedBody(*this, nullptr);
    PaintBackground(m_body);
    m_scroll->setWidget(m_body);
    Refresh();
}

void ConditionPanel::Refresh()
{
    if (!m_engine)
        return;
    // A set from outside (restored after the window was made), or lines
    // that came or went: the rows are made again for what the set holds.
    if ((m_kind == PageKind::Fixed && !m_form.Fits(Set())) || m_body->Outdated()) {
        Rebuild();
        return;
    }
    const PreviewState& preview = m_engine->CurrentPreview();
    m_preview->setText(QString::fromStdString(PreviewLine(preview)));
    m_preview->setStyleSheet(preview.error.empty() ? QString() : QStringLiteral("color:#b00020;"));
    m_body->Sync(preview);
}

QString ConditionPanel::PreviewText() const
{
    return m_preview->text();
}

QString ConditionPanel::SummaryText() const
{
    return m_summary->text();
}

void ConditionPanel::Commit()
{
    if (m_body)
        m_body->CommitTexts();
}

void ConditionPanel::Detach()
{
    if (m_engine)
        m_detached = m_engine->Set();
    m_engine = nullptr;
    if (m_backtest)
        delete m_backtest.data();
    if (m_records)
        delete m_records.data();
}

void ConditionPanel::AnnounceStateProblem()
{
    if (!m_engine || m_engine->StateProblem().empty())
        return;
    const std::string text = "上次的缩水条件无法读取，已从空白条件开始。\n" + m_engine->StateProblem();
    m_engine->ClearStateProblem();
    QTimer::singleShot(0, this, [this, text] { Tell(text, true); });
}

void ConditionPanel::ShowRunReport()
{
    const auto& report = m_engine ? m_engine->LastReport() : std::nullopt;
    m_reportButton->setEnabled(report.has_value());
    if (!report)
        return;
    m_summary->setText(QString::fromStdString(RunSummary(*report)));
    if (m_report && m_report->isVisible())
        OpenReport();
}

void ConditionPanel::OpenReport()
{
    if (!m_engine || !m_engine->LastReport())
        return;
    if (!m_report)
        m_report = new ReportView(this);
    const RunReport& report = *m_engine->LastReport();
    std::string text = RunReportText(report, Length());
    if (report.set.groups != Set().groups)
        text = "（条件在这次缩水后已有改动，以下是缩水时的条件）\n" + text;
    m_report->Show(QString::fromStdString(text));
}

void ConditionPanel::OpenBacktest()
{
    if (!m_engine)
        return;
    Commit();
    if (!m_backtest)
        m_backtest = new BacktestView(*m_engine, this);
    m_backtest->Run();
    m_backtest->show();
    m_backtest->raise();
}

void ConditionPanel::OpenRecords()
{
    if (!m_engine)
        return;
    Commit();
    if (!m_records) {
        m_records = new RecordView(*m_engine, this);
        m_records->selectCondition = [this](const ConditionRef& ref) { SelectCondition(ref); };
    }
    m_records->Run();
    m_records->show();
    m_records->raise();
}

bool ConditionPanel::SelectCondition(const ConditionRef& ref)
{
    const ConditionSet& set = Set();
    if (!m_body || ref.group >= set.groups.size())
        return false;
    const std::vector<Condition>& conditions = set.groups[ref.group].conditions;
    for (ConditionRow* row : m_body->Rows()) {
        const Condition* shown = row->Find(set);
        const bool wanted = shown && ref.condition < conditions.size() && shown == &conditions[ref.condition];
        // A group's own place finds its first row.
        const bool inGroup = shown && !conditions.empty() && shown >= conditions.data() && shown < conditions.data() + conditions.size();
        if (wanted || (inGroup && ref.condition == 0)) {
            m_scroll->ensureWidgetVisible(row);
            row->EnableBox()->setFocus(Qt::OtherFocusReason);
            window()->activateWindow();
            return true;
        }
    }
    return false;
}

void ConditionPanel::Tell(const std::string& text, bool warning)
{
    AfxMessageBox(text, MB_OK | (warning ? MB_ICONWARNING : MB_ICONINFORMATION), kCaption);
}

void ConditionPanel::SaveSet()
{
    if (!m_engine)
        return;
    Commit();
    CFileDialog dialog(FALSE, "json", "条件方案.json", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSetFilter);
    dialog.SetTitle("保存方案");
    if (dialog.DoModal() != IDOK)
        return;
    ConditionSet set = m_engine->Set();
    DropImpossibleValues(set, Length());
    std::vector<std::string> results = TakeResults(m_workbench, Length());
    if (results.empty())
        set.results.reset();
    else
        set.results = std::move(results);
    const std::string error = WriteSetFile(dialog.GetPathName(), set);
    if (!error.empty())
        Tell("方案没有保存。\n" + error, true);
}

void ConditionPanel::LoadSet()
{
    if (!m_engine)
        return;
    CFileDialog dialog(TRUE, "json", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kSetFilter);
    dialog.SetTitle("载入方案");
    if (dialog.DoModal() != IDOK)
        return;
    SetFileRead read = ReadSetFile(dialog.GetPathName(), Length(), m_kind);
    if (!read.set) {
        Tell("方案没有载入，现有条件未改变。\n" + read.error, true);
        return;
    }
    const std::optional<std::vector<std::string>> results = std::move(read.set->results);
    read.set->results.reset();
    m_engine->SetSet(std::move(*read.set));
    m_form.Adopt(Set());
    Rebuild();
    if (results)
        HandBackResults(m_workbench, *results, Length());
}

} // namespace vesk::filter
