#include "app/window/draw_entry_dialog.h"

#include "app/services/digit_pad.h"
#include "app/window/draw_report_dialog.h"
#include "numbers/draw_import.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vesk::app {

DrawEntryDialog::DrawEntryDialog(const DrawHistory& history, DigitPad& pad, Submit submit, QWidget* parent)
    : QDialog(parent), m_pad(pad), m_submit(std::move(submit)), m_length(history.Length())
{
    setWindowTitle(QStringLiteral("录入开奖号码"));
    setObjectName(QStringLiteral("drawEntry"));
    auto* layout = new QVBoxLayout(this);
    auto* latest = new QLabel(HistoryText(history), this);
    layout->addWidget(latest);

    auto* form = new QFormLayout;
    m_period = new QLineEdit(this);
    m_period->setObjectName(QStringLiteral("drawPeriod"));
    m_period->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kMaxPeriodDigits)), m_period));
    if (const auto next = NextPeriod(history))
        m_period->setText(QString::number(*next));
    form->addRow(QStringLiteral("期号(&P)："), m_period);

    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("drawNumber"));
    m_number->setMaxLength(m_length);
    m_number->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(m_length)), m_number));
    m_number->setPlaceholderText(QStringLiteral("%1 位数字").arg(m_length));
    m_number->installEventFilter(this);
    form->addRow(QStringLiteral("开奖号码(&N)："), m_number);
    layout->addLayout(form);

    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("drawEntryError"));
    m_error->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_error->setWordWrap(true);
    m_error->hide();
    layout->addWidget(m_error);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_number->setFocus();
}

QString DrawEntryDialog::ErrorText() const { return m_error->isVisible() ? m_error->text() : QString(); }

void DrawEntryDialog::accept()
{
    const std::string why = m_submit(m_period->text().toStdString(), m_number->text().toStdString());
    if (why.empty()) {
        QDialog::accept();
        return;
    }
    m_error->setText(QString::fromStdString(why));
    m_error->show();
    m_number->setFocus();
}

bool DrawEntryDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_number && event->type() == QEvent::FocusIn)
        ShowPad();
    return QDialog::eventFilter(watched, event);
}

void DrawEntryDialog::ShowPad()
{
    if (!m_pad.Attach(reinterpret_cast<WindowHandle>(this), reinterpret_cast<WindowHandle>(m_number), 0, 0))
        return;
    for (char digit = '0'; digit <= '9'; ++digit) {
        const char key[2] = {digit, '\0'};
        m_pad.AddKey(key, key);
    }
    m_pad.Arrange(5, 0);
    m_pad.Show(1);
}

} // namespace vesk::app
