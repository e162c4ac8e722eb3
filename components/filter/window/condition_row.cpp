#include "components/filter/window/condition_row.h"

#include "components/filter/component/report_text.h"
#include "components/filter/component/set_edits.h"
#include "components/filter/engine/condition_checks.h"
#include "components/filter/window/flow_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <sstream>

namespace vesk::filter {
namespace {

QToolButton* MakeToggle(const QString& text, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setCheckable(true);
    // Tab reaches every toggle and space flips it, as with any button.
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QString PlaceText(int position, int length)
{
    static const char* const kPlaces3[] = {"百", "十", "个"};
    return length == 3 && position < 3 ? QString::fromUtf8(kPlaces3[position]) : QString::number(position + 1);
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

void MarkInvalid(QLineEdit* edit, bool invalid)
{
    edit->setStyleSheet(invalid ? QStringLiteral("QLineEdit{background:#ffe4e4;}") : QString());
}

} // namespace

ConditionRow::ConditionRow(SetEditor& editor, const QString& label, RowAccess access, RowOptions options,
                           QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_access(std::move(access))
    , m_options(std::move(options))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    auto* line = new QWidget(this);
    auto* lineLayout = new QHBoxLayout(line);
    lineLayout->setContentsMargins(0, 0, 0, 0);
    lineLayout->setSpacing(4);
    m_enable = new QCheckBox(label, line);
    m_enable->setMinimumWidth(m_enable->sizeHint().width());
    lineLayout->addWidget(m_enable);
    QObject::connect(m_enable, &QCheckBox::toggled, this,
                     [this](bool on) { EditCondition([on](Condition& c) { c.enabled = on; }); });
    if (!m_options.kill) {
        m_mode = new QComboBox(line);
        m_mode->addItem(QStringLiteral("保留"));
        m_mode->addItem(QStringLiteral("排除"));
        m_mode->setToolTip(QStringLiteral("保留：号码的值在所选之中才通过；排除：在所选之中就被滤除"));
        lineLayout->addWidget(m_mode);
        QObject::connect(m_mode, &QComboBox::activated, this, [this](int index) {
            EditCondition([index](Condition& c) { c.mode = index == 1 ? Mode::Exclude : Mode::Keep; });
        });
    }
    BuildFields(line);
    lineLayout->addStretch(1);
    m_rejected = new QLabel(line);
    m_rejected->setToolTip(QStringLiteral("只用这一个条件时滤除的注数"));
    lineLayout->addWidget(m_rejected);
    if (m_options.remove) {
        auto* remove = new QToolButton(line);
        remove->setText(QStringLiteral("删除"));
        remove->setToolTip(QStringLiteral("删除这个条件"));
        remove->setFocusPolicy(Qt::StrongFocus);
        lineLayout->addWidget(remove);
        QObject::connect(remove, &QToolButton::clicked, this, [this] { m_options.remove(); });
    }
    column->addWidget(line);

    if (m_options.type == ConditionType::Contains) {
        auto* digitArea = new QWidget(this);
        digitArea->setObjectName(QStringLiteral("digits"));
        auto* flow = new FlowLayout(digitArea);
        auto* caption = new QLabel(m_options.kill ? QStringLiteral("不含：") : QStringLiteral("号码："), digitArea);
        flow->addWidget(caption);
        for (int d = 0; d <= 9; ++d) {
            QToolButton* button = MakeToggle(QString::number(d), digitArea);
            flow->addWidget(button);
            m_digits.push_back(button);
            QObject::connect(button, &QToolButton::clicked, this, [this, d] {
                const int length = m_editor.Length();
                EditCondition([d, length](Condition& c) { ToggleDigit(c, d, length); });
            });
        }
        column->addWidget(digitArea);
    }
    if (m_options.kill)
        return;
    if (m_options.type == ConditionType::List)
        return; // a number list keeps by its numbers, it has no values
    m_valueArea = new QWidget(this);
    m_valueArea->setObjectName(QStringLiteral("values"));
    m_valueFlow = new FlowLayout(m_valueArea);
    if (m_options.type == ConditionType::Contains)
        m_valueFlow->addWidget(new QLabel(QStringLiteral("出现："), m_valueArea));
    column->addWidget(m_valueArea);
}

void ConditionRow::BuildFields(QWidget* line)
{
    auto* layout = static_cast<QHBoxLayout*>(line->layout());
    const int length = m_editor.Length();
    switch (InfoOf(m_options.type).field) {
    case TypeField::Position:
        if (!m_options.fieldsEditable)
            return;
        m_position = new QComboBox(line);
        for (int p = 0; p < length; ++p)
            m_position->addItem(PlaceText(p, length) + QStringLiteral("位"));
        layout->addWidget(m_position);
        QObject::connect(m_position, &QComboBox::activated, this,
                         [this](int p) { EditCondition([p](Condition& c) { c.position = p; }); });
        return;
    case TypeField::Pair:
        m_pair = new QComboBox(line);
        for (int a = 0; a < length; ++a)
            for (int b = a + 1; b < length; ++b)
                m_pair->addItem(PlaceText(a, length) + PlaceText(b, length), QList<QVariant>{a, b});
        m_pair->setToolTip(QStringLiteral("哪两位"));
        layout->addWidget(m_pair);
        QObject::connect(m_pair, &QComboBox::activated, this, [this](int index) {
            const QList<QVariant> pair = m_pair->itemData(index).toList();
            EditCondition([&pair](Condition& c) { c.pair = {pair[0].toInt(), pair[1].toInt()}; });
        });
        return;
    case TypeField::Window:
        m_window = new QSpinBox(line);
        m_window->setRange(1, 999);
        m_window->setPrefix(QStringLiteral("近 "));
        m_window->setSuffix(QStringLiteral(" 期"));
        layout->addWidget(m_window);
        QObject::connect(m_window, &QSpinBox::valueChanged, this,
                         [this](int w) { EditCondition([w](Condition& c) { c.window = w; }); });
        return;
    case TypeField::Pairs:
    case TypeField::Numbers:
        m_listText = new QLineEdit(line);
        m_listText->setPlaceholderText(m_options.type == ConditionType::Pairs ? QStringLiteral("如 12 55")
                                                                              : QStringLiteral("号码，空格分隔"));
        m_listText->setMinimumWidth(80);
        layout->addWidget(m_listText, 1);
        QObject::connect(m_listText, &QLineEdit::editingFinished, this, [this] { CommitListText(); });
        if (m_options.type == ConditionType::List) {
            m_group = new QCheckBox(QStringLiteral("组选"), line);
            m_group->setToolTip(QStringLiteral("不计数字的顺序比较"));
            layout->addWidget(m_group);
            QObject::connect(m_group, &QCheckBox::toggled, this,
                             [this](bool on) { EditCondition([on](Condition& c) { c.group = on; }); });
        }
        return;
    case TypeField::Digits:
    case TypeField::None: return;
    }
}

void ConditionRow::EditCondition(const std::function<void(Condition&)>& edit)
{
    RowAccess& access = m_access;
    const int length = m_editor.Length();
    m_editor.Edit([&access, &edit, length](ConditionSet& set) {
        if (Condition* condition = access.get(set)) {
            edit(*condition);
            // Fewer digits or pairs leave values no number can have, and
            // a set holding them could be neither judged nor saved.
            DropImpossibleValues(*condition, length);
        }
    });
}

QToolButton* ConditionRow::ToggleOf(std::int64_t value) const
{
    const auto at = std::find(m_toggleValues.begin(), m_toggleValues.end(), value);
    return at == m_toggleValues.end() ? nullptr : m_toggles[static_cast<std::size_t>(at - m_toggleValues.begin())];
}

void ConditionRow::RebuildToggles(const std::vector<ValueChoice>& choices)
{
    // Later, not now: the click that changed the choices may come from here.
    for (QToolButton* button : m_toggles) {
        button->hide();
        button->deleteLater();
    }
    m_toggles.clear();
    m_toggleValues.clear();
    if (m_valuesText) {
        m_valuesText->hide();
        m_valuesText->deleteLater();
        m_valuesText = nullptr;
    }
    if (choices.empty()) {
        m_valuesText = new QLineEdit(m_valueArea);
        m_valuesText->setPlaceholderText(QStringLiteral("值，如 0-5 8"));
        m_valuesText->setMinimumWidth(160);
        m_valueFlow->addWidget(m_valuesText);
        QObject::connect(m_valuesText, &QLineEdit::editingFinished, this, [this] { CommitValuesText(); });
        return;
    }
    for (const ValueChoice& choice : choices) {
        QToolButton* button = MakeToggle(QString::fromStdString(choice.label), m_valueArea);
        m_valueFlow->addWidget(button);
        const std::int64_t value = choice.value;
        // The value behind the label, for whoever reads the row back.
        button->setProperty("value", QVariant::fromValue<qlonglong>(value));
        QObject::connect(button, &QToolButton::clicked, this,
                         [this, value] { EditCondition([value](Condition& c) { ToggleValue(c, value); }); });
        m_toggles.push_back(button);
        m_toggleValues.push_back(value);
    }
}

void ConditionRow::Sync(const PreviewState& preview)
{
    const Condition* found = m_access.find(m_editor.Set());
    const Condition blank = m_options.blank.value_or(NewCondition(m_options.type));
    const Condition& c = found ? *found : blank;
    {
        const QSignalBlocker block(m_enable);
        m_enable->setChecked(found && c.enabled);
    }
    if (m_mode)
        m_mode->setCurrentIndex(c.mode == Mode::Exclude ? 1 : 0);
    if (m_position)
        m_position->setCurrentIndex(c.position);
    if (m_pair) {
        for (int i = 0; i < m_pair->count(); ++i) {
            const QList<QVariant> pair = m_pair->itemData(i).toList();
            if (pair[0].toInt() == c.pair[0] && pair[1].toInt() == c.pair[1])
                m_pair->setCurrentIndex(i);
        }
    }
    if (m_window) {
        const QSignalBlocker block(m_window);
        m_window->setValue(c.window);
    }
    if (m_group) {
        const QSignalBlocker block(m_group);
        m_group->setChecked(c.group);
    }
    if (m_listText && !m_listText->hasFocus())
        m_listText->setText(QString::fromStdString(Joined(m_options.type == ConditionType::Pairs ? c.pairs : c.numbers)));
    for (int d = 0; d < static_cast<int>(m_digits.size()); ++d)
        m_digits[static_cast<std::size_t>(d)]->setChecked(std::find(c.digits.begin(), c.digits.end(), d) != c.digits.end());

    if (m_valueArea) {
        const std::vector<ValueChoice> choices = ValueChoices(c, m_editor.Length());
        std::vector<std::int64_t> values;
        for (const ValueChoice& choice : choices)
            values.push_back(choice.value);
        if (values != m_toggleValues || (choices.empty() && !m_valuesText))
            RebuildToggles(choices);
        for (std::size_t i = 0; i < m_toggles.size(); ++i)
            m_toggles[i]->setChecked(std::find(c.values.begin(), c.values.end(), m_toggleValues[i]) != c.values.end());
        if (m_valuesText && !m_valuesText->hasFocus()) {
            m_valuesText->setText(QString::fromStdString(FormatValueText(c.values)));
            MarkInvalid(m_valuesText, false);
        }
    }

    const auto rejected = preview.error.empty() && found ? m_access.rejected(preview.preview) : std::nullopt;
    m_rejected->setText(rejected ? QStringLiteral("−%1 注").arg(*rejected) : QString());
}

void ConditionRow::CommitValuesText()
{
    if (!m_valuesText)
        return;
    const auto values = ParseValueText(m_valuesText->text().toStdString());
    MarkInvalid(m_valuesText, !values);
    m_valuesText->setToolTip(values ? QString() : QStringLiteral("请输入数值或范围，如 0-5 8 10"));
    if (!values)
        return;
    const Condition* found = m_access.find(m_editor.Set());
    if ((found ? found->values : std::vector<std::int64_t>{}) == *values)
        return;
    EditCondition([&values](Condition& c) {
        if (!c.enabled && c.values.empty() && !values->empty())
            c.enabled = true;
        c.values = *values;
    });
}

void ConditionRow::CommitListText()
{
    if (!m_listText)
        return;
    const std::vector<std::string> words = Words(m_listText->text().toStdString());
    const bool pairs = m_options.type == ConditionType::Pairs;
    const std::size_t width = pairs ? 2 : static_cast<std::size_t>(m_editor.Length());
    const bool valid = std::all_of(words.begin(), words.end(), [width](const std::string& w) { return IsNumberText(w, width); });
    MarkInvalid(m_listText, !valid);
    m_listText->setToolTip(valid ? QString()
                                 : QStringLiteral("每项应是 %1 位数字，用空格分开").arg(static_cast<int>(width)));
    if (!valid)
        return;
    const Condition* found = m_access.find(m_editor.Set());
    if (found && (pairs ? found->pairs : found->numbers) == words)
        return;
    if (!found && words.empty())
        return;
    EditCondition([pairs, &words](Condition& c) {
        if (!c.enabled && (pairs ? c.pairs : c.numbers).empty() && !words.empty())
            c.enabled = true;
        (pairs ? c.pairs : c.numbers) = words;
    });
}

void ConditionRow::CommitTexts()
{
    CommitValuesText();
    CommitListText();
}

} // namespace vesk::filter
