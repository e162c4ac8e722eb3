#include "components/filter/component/fixed_form.h"
#include "components/filter/component/report_text.h"
#include "components/filter/component/set_edits.h"
#include "components/filter/window/condition_body.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include <memory>

namespace vesk::filter {
namespace {

const Condition* InGroup0(const ConditionSet& set, std::optional<std::size_t> index)
{
    return index && !set.groups.empty() ? &set.groups[0].conditions[*index] : nullptr;
}

std::optional<std::uint64_t> RejectedInGroup0(const Preview& preview, std::optional<std::size_t> index)
{
    if (!index || preview.rejectedAlone.empty() || *index >= preview.rejectedAlone[0].size())
        return std::nullopt;
    return preview.rejectedAlone[0][*index];
}

class FixedBody final : public ConditionBody {
public:
    FixedBody(SetEditor& editor, QWidget* parent)
        : ConditionBody(parent)
        , m_form(std::make_shared<std::vector<FixedRow>>(FixedRows(editor.Length())))
    {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(4, 2, 4, 4);
        column->setSpacing(0);
        const auto form = m_form;
        for (std::size_t r = 0; r < form->size(); ++r) {
            RowAccess access;
            access.find = [form, r](const ConditionSet& set) { return InGroup0(set, LayOut(set, *form).rowCondition[r]); };
            access.get = [form, r](ConditionSet& set) -> Condition& { return RowCondition(set, *form, r); };
            access.tidy = [form, r](ConditionSet& set) {
                if (const auto index = LayOut(set, *form).rowCondition[r])
                    DropIfEmpty(set, *index);
            };
            access.rejected = [form, r, &editor](const Preview& preview) {
                return RejectedInGroup0(preview, LayOut(editor.Set(), *form).rowCondition[r]);
            };
            RowOptions options;
            options.type = (*form)[r].type;
            options.kill = (*form)[r].kill;
            options.fieldsEditable = false;
            AddRow(editor, QString::fromStdString((*form)[r].label), std::move(access), std::move(options), column);
        }
        // A loaded set may hold conditions no row claims: they stay editable.
        const FixedLayout layout = LayOut(editor.Set(), *form);
        if (!layout.others.empty()) {
            column->addWidget(new QLabel(QStringLiteral("其他条件"), this));
            for (std::size_t k = 0; k < layout.others.size(); ++k) {
                const Condition& c = editor.Set().groups[0].conditions[layout.others[k]];
                RowAccess access;
                access.find = [form, k](const ConditionSet& set) {
                    const auto others = LayOut(set, *form).others;
                    return k < others.size() ? &set.groups[0].conditions[others[k]] : nullptr;
                };
                access.get = [form, k](ConditionSet& set) -> Condition& {
                    return set.groups[0].conditions[LayOut(set, *form).others.at(k)];
                };
                access.rejected = [form, k, &editor](const Preview& preview) {
                    const auto others = LayOut(editor.Set(), *form).others;
                    return RejectedInGroup0(preview, k < others.size() ? std::optional(others[k]) : std::nullopt);
                };
                RowOptions options;
                options.type = c.type;
                options.remove = [form, k, &editor] {
                    editor.Edit(
                        [form, k](ConditionSet& set) {
                            const auto others = LayOut(set, *form).others;
                            if (k < others.size())
                                RemoveCondition(set, 0, others[k]);
                        },
                        true);
                };
                AddRow(editor, QString::fromStdString(ConditionName(c, editor.Length())), std::move(access),
                       std::move(options), column);
            }
        }
        column->addStretch(1);
    }

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

    std::shared_ptr<const std::vector<FixedRow>> m_form;
};

} // namespace

ConditionBody* MakeFixedBody(SetEditor& editor, QWidget* parent)
{
    return new FixedBody(editor, parent);
}

} // namespace vesk::filter
