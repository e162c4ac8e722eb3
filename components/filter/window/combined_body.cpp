#include "components/filter/component/report_text.h"
#include "components/filter/component/set_edits.h"
#include "components/filter/engine/condition_type.h"
#include "components/filter/window/condition_body.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace vesk::filter {
namespace {

QToolButton* SmallButton(const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// A group's head: enable box, name, 容错 [min, max], move and remove.
class GroupHead final : public QFrame {
public:
    GroupHead(SetEditor& editor, std::size_t group, QWidget* parent) : QFrame(parent), m_editor(editor), m_group(group)
    {
        setObjectName(QStringLiteral("groupHead"));
        setStyleSheet(QStringLiteral("#groupHead{background:#e8eef5;border-top:1px solid #c8d4e0;}"));
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(4, 3, 4, 3);
        column->setSpacing(2);
        auto* first = new QHBoxLayout;
        m_enable = new QCheckBox(this);
        m_enable->setToolTip(QStringLiteral("使用这个条件组"));
        first->addWidget(m_enable);
        m_name = new QLineEdit(this);
        m_name->setPlaceholderText(QStringLiteral("组名"));
        first->addWidget(m_name, 1);
        QToolButton* up = SmallButton(QStringLiteral("上移"), QStringLiteral("把这个组上移一位"), this);
        QToolButton* down = SmallButton(QStringLiteral("下移"), QStringLiteral("把这个组下移一位"), this);
        QToolButton* remove = SmallButton(QStringLiteral("删除组"), QStringLiteral("删除这个组和其中的条件"), this);
        first->addWidget(up);
        first->addWidget(down);
        first->addWidget(remove);
        column->addLayout(first);
        auto* second = new QHBoxLayout;
        auto* errors = new QLabel(QStringLiteral("容错"), this);
        errors->setToolTip(QStringLiteral("号码不符的条件个数在这个范围内时通过这个组"));
        second->addWidget(errors);
        m_min = new QSpinBox(this);
        m_max = new QSpinBox(this);
        m_min->setRange(0, 999);
        m_max->setRange(0, 999);
        second->addWidget(m_min);
        second->addWidget(new QLabel(QStringLiteral("至"), this));
        second->addWidget(m_max);
        second->addStretch(1);
        column->addLayout(second);

        QObject::connect(up, &QToolButton::clicked, this, [this] { Move(-1); });
        QObject::connect(down, &QToolButton::clicked, this, [this] { Move(+1); });
        QObject::connect(remove, &QToolButton::clicked, this, [this] {
            m_editor.Edit([g = m_group](ConditionSet& set) { RemoveGroup(set, g); }, true);
        });
        QObject::connect(m_enable, &QCheckBox::toggled, this, [this](bool on) {
            m_editor.Edit([g = m_group, on](ConditionSet& set) {
                if (g < set.groups.size())
                    set.groups[g].enabled = on;
            });
        });
        QObject::connect(m_name, &QLineEdit::editingFinished, this, [this] { CommitName(); });
        QObject::connect(m_min, &QSpinBox::valueChanged, this, [this] { CommitErrors(); });
        QObject::connect(m_max, &QSpinBox::valueChanged, this, [this] { CommitErrors(); });
    }

    void Sync()
    {
        if (m_group >= m_editor.Set().groups.size())
            return;
        const Group& group = m_editor.Set().groups[m_group];
        const QSignalBlocker b1(m_enable), b2(m_min), b3(m_max);
        m_enable->setChecked(group.enabled);
        if (!m_name->hasFocus())
            m_name->setText(QString::fromStdString(group.name));
        m_min->setValue(group.minErrors);
        m_max->setValue(group.maxErrors);
    }

    void CommitName()
    {
        const std::string name = m_name->text().trimmed().toStdString();
        if (m_group < m_editor.Set().groups.size() && m_editor.Set().groups[m_group].name != name)
            m_editor.Edit([g = m_group, &name](ConditionSet& set) { set.groups[g].name = name; });
    }

private:
    void Move(int delta) { m_editor.Edit([g = m_group, delta](ConditionSet& set) { MoveGroup(set, g, delta); }, true); }
    void CommitErrors()
    {
        const int low = m_min->value();
        const int high = std::max(low, m_max->value());
        m_editor.Edit([g = m_group, low, high](ConditionSet& set) { SetErrors(set, g, low, high); });
    }

    SetEditor& m_editor;
    std::size_t m_group;
    QCheckBox* m_enable;
    QLineEdit* m_name;
    QSpinBox* m_min;
    QSpinBox* m_max;
};

class CombinedBody final : public ConditionBody {
public:
    CombinedBody(SetEditor& editor, QWidget* parent) : ConditionBody(parent), m_editor(editor)
    {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(4, 2, 4, 4);
        column->setSpacing(2);
        const ConditionSet& set = editor.Set();
        if (set.groups.empty())
            column->addWidget(new QLabel(QStringLiteral("还没有条件组。点“添加条件组”开始。"), this));
        for (std::size_t g = 0; g < set.groups.size(); ++g) {
            auto* head = new GroupHead(editor, g, this);
            column->addWidget(head);
            m_heads.push_back(head);
            for (std::size_t i = 0; i < set.groups[g].conditions.size(); ++i)
                column->addWidget(MakeRow(g, i));
            column->addWidget(MakePicker(g));
        }
        auto* add = new QPushButton(QStringLiteral("添加条件组"), this);
        add->setObjectName(QStringLiteral("addGroup"));
        QObject::connect(add, &QPushButton::clicked, this,
                         [this] { m_editor.Edit([](ConditionSet& s) { AddGroup(s); }, true); });
        auto* addLine = new QHBoxLayout;
        addLine->addWidget(add);
        addLine->addStretch(1);
        column->addLayout(addLine);
        column->addStretch(1);
    }

protected:
    void SyncOwn() override
    {
        for (GroupHead* head : m_heads)
            head->Sync();
    }

    void CommitOwnTexts() override
    {
        for (GroupHead* head : m_heads)
            head->CommitName();
    }

private:
    ConditionRow* MakeRow(std::size_t g, std::size_t i)
    {
        const Condition& c = m_editor.Set().groups[g].conditions[i];
        RowAccess access;
        access.find = [g, i](const ConditionSet& set) -> const Condition* {
            return g < set.groups.size() && i < set.groups[g].conditions.size() ? &set.groups[g].conditions[i] : nullptr;
        };
        access.get = [g, i](ConditionSet& set) -> Condition* {
            return g < set.groups.size() && i < set.groups[g].conditions.size() ? &set.groups[g].conditions[i] : nullptr;
        };
        access.rejected = [g, i](const Preview& preview) -> std::optional<std::uint64_t> {
            if (g >= preview.rejectedAlone.size() || i >= preview.rejectedAlone[g].size())
                return std::nullopt;
            return preview.rejectedAlone[g][i];
        };
        RowOptions options;
        options.type = c.type;
        options.remove = [this, g, i] { m_editor.Edit([g, i](ConditionSet& set) { RemoveCondition(set, g, i); }, true); };
        auto* row = new ConditionRow(m_editor, QString::fromUtf8(InfoOf(c.type).name.data(),
                                                                 static_cast<int>(InfoOf(c.type).name.size())),
                                     std::move(access), std::move(options), this);
        m_rows.push_back(row);
        return row;
    }

    // A type list and an add button: choosing with the arrow keys only
    // chooses; the button (or space on it) adds.
    QWidget* MakePicker(std::size_t g)
    {
        auto* line = new QWidget(this);
        auto* layout = new QHBoxLayout(line);
        layout->setContentsMargins(20, 0, 0, 4);
        auto* picker = new QComboBox(line);
        picker->setObjectName(QStringLiteral("typePicker"));
        for (int t = 0; t < kConditionTypeCount; ++t) {
            const TypeInfo& info = InfoOf(static_cast<ConditionType>(t));
            picker->addItem(QString::fromUtf8(info.name.data(), static_cast<int>(info.name.size())), t);
        }
        picker->setToolTip(QStringLiteral("选择要加到这个组的条件类型"));
        auto* add = new QPushButton(QStringLiteral("添加条件"), line);
        add->setObjectName(QStringLiteral("addCondition"));
        add->setAutoDefault(false);
        layout->addWidget(picker);
        layout->addWidget(add);
        layout->addStretch(1);
        QObject::connect(add, &QPushButton::clicked, this, [this, g, picker] {
            const auto type = static_cast<ConditionType>(picker->currentData().toInt());
            m_editor.Edit([g, type](ConditionSet& set) { AddCondition(set, g, type); }, true);
        });
        return line;
    }

    SetEditor& m_editor;
    std::vector<GroupHead*> m_heads;
};

} // namespace

ConditionBody* MakeCombinedBody(SetEditor& editor, QWidget* parent)
{
    auto* body = new CombinedBody(editor, parent);
    return body;
}

} // namespace vesk::filter
