#include "components/features/omission/custom_items_dialog.h"

#include "components/features/analysis/omission/custom_items.h"

#include "framework/interaction.h"
#include "framework/messages.h"
#include "framework/styles.h"
#include "storage/safe_file.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk::omission {

CustomItemsDialog::CustomItemsDialog(std::string path, int length, QWidget* parent)
    : QDialog(parent)
    , m_path(std::move(path))
    , m_length(length)
{
    setObjectName(QStringLiteral("customItemsDialog"));
    setWindowTitle(QStringLiteral("编辑自定义项目"));
    resize(560, 460);
    auto* layout = new QVBoxLayout(this);
    auto* help = new QLabel(QStringLiteral(
        "组合（combinations）：类型（如 \"和值\"、\"跨度\"，条件窗口里的名称或 sum、span 等）和取值；"
        "复式（compounds）：每一位可选的数字；号码（lists）：号码，group 为 true 时按组选比较。"
        "保存前检查，有误时指出位置，不保存。"), this);
    help->setWordWrap(true);
    layout->addWidget(help);
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("customItemsText"));
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const FileBytes bytes = ReadFileBytes(m_path);
    const std::string text = bytes.ok ? bytes.bytes
                                      : analysis::WriteCustomItems(analysis::ExampleCustomItems(m_length), m_length);
    m_editor->setPlainText(QString::fromStdString(text));
    m_saved = m_editor->toPlainText();
    layout->addWidget(m_editor, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("保存"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Save())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool CustomItemsDialog::Save()
{
    const std::string error = analysis::SaveCustomItemsText(m_path, m_editor->toPlainText().toStdString(), m_length);
    if (error.empty()) {
        m_saved = m_editor->toPlainText();
        return true;
    }
    MessageBoxRequest box;
    box.parent = this;
    // A refused write already reads "保存失败：…"; a refused text needs saying so.
    box.text = error.rfind("保存失败：", 0) == 0 ? error : "自定义项目未保存：" + error;
    box.caption = "提示信息";
    box.type = 0x40; // MB_ICONINFORMATION
    Interaction().MessageBox(box);
    // Back to the text, where the fault is to be mended.
    m_editor->setFocus();
    return false;
}

void CustomItemsDialog::reject()
{
    // Escape or 取消 with edits not saved asks before they are thrown away.
    if (m_editor->toPlainText() != m_saved) {
        MessageBoxRequest box;
        box.parent = this;
        box.text = "自定义项目已修改但未保存，放弃这些修改吗？";
        box.caption = "提示信息";
        box.type = MB_YESNO | 0x30; // MB_ICONWARNING
        if (Interaction().MessageBox(box) != IDYES) {
            m_editor->setFocus();
            return;
        }
    }
    QDialog::reject();
}

} // namespace vesk::omission
