#include "components/filter/component/fixed_form.h"
#include "components/filter/engine/condition_type.h"
#include "components/filter/window/condition_body.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include <string_view>

namespace vesk::filter {
namespace {

std::optional<std::uint64_t> RejectedInGroup0(const Preview& preview, std::optional<std::size_t> index)
{
    if (!index || preview.rejectedAlone.empty() || *index >= preview.rejectedAlone[0].size())
        return std::nullopt;
    return preview.rejectedAlone[0][*index];
}

// A line of the page finds its condition by the id it was built for, never by place.
RowAccess AccessOf(SetEditor& editor, FixedForm& form, FixedForm::Id id)
{
    RowAccess access;
    access.find = [&form, id](const ConditionSet& set) { return form.Find(set, id); };
    access.get = [&form, id](ConditionSet& set) { return form.Get(set, id); };
    access.rejected = [&form, &editor, id](const Preview& preview) {
        return form.Fits(editor.Set()) ? RejectedInGroup0(preview, form.IndexOf(id)) : std::nullopt;
    };
    return access;
}

class FixedBody final : public ConditionBody {
public:
    FixedBody(SetEditor& editor, FixedForm& form, QWidget* parent)
        : ConditionBody(parent)
        , m_form(form)
        , m_others(form.Others())
    {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(4, 2, 4, 4);
        column->setSpacing(0);
        const auto& rows = form.Rows();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            RowOptions options;
            options.type = rows[r].type;
            options.kill = rows[r].kill;
            options.fieldsEditable = false;
            options.blank = form.Fresh(r);
            AddRow(editor, QString::fromStdString(rows[r].label), AccessOf(editor, form, form.RowId(r)),
                   std::move(options), column);
        }
        // A loaded set may hold conditions no row took: they stay visible and editable.
        if (!m_others.empty())
            column->addWidget(new QLabel(QStringLiteral("其他条件"), this));
        for (const FixedForm::Id id : m_others) {
            const Condition* c = form.Find(editor.Set(), id);
            if (!c)
                continue;
            RowOptions options;
            options.type = c->type;
            options.remove = [&editor, &form, id] {
                editor.Edit([&form, id](ConditionSet& set) { form.Remove(set, id); }, true);
            };
            const std::string_view name = InfoOf(c->type).name;
            AddRow(editor, QString::fromUtf8(name.data(), static_cast<int>(name.size())), AccessOf(editor, form, id),
                   std::move(options), column);
        }
        column->addStretch(1);
    }

    bool Outdated() const override { return m_form.Others() != m_others; }

private:
    void AddRow(SetEditor& editor, const QString& label, RowAccess access, RowOptions options, QVBoxLayout* column)
    {
        if (!m_rows.empty()) {
            auto* rule = new QFrame(this);
            rule->setFrameShape(QFrame::HLine);
            rule->setStyleSheet(QStringLiteral("color:#dde4ec;"));
            column->addWidget(rule);
        }
        auto* row = new ConditionRow(editor, label, std::move(access), std::move(options), this);
        column->addWidget(row);
        m_rows.push_back(row);
    }

    const FixedForm& m_form;
    const std::vector<FixedForm::Id> m_others; // the 其他条件 this body was built with
};

} // namespace

ConditionBody* MakeFixedBody(SetEditor& editor, FixedForm& form, QWidget* parent)
{
    return new FixedBody(editor, form, parent);
}

} // namespace vesk::filter
