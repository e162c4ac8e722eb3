#include "app/window/draw_fetch_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk::app {
namespace {

QString SizeText(std::int64_t bytes)
{
    return bytes < 1024 ? QStringLiteral("%1 字节").arg(bytes) : QStringLiteral("%1 KB").arg(bytes / 1024);
}

} // namespace

DrawFetchDialog::DrawFetchDialog(const std::string& address, const DownloadLimits& limits, Downloaded downloaded,
                                 Remember remember, QWidget* parent)
    : QDialog(parent), m_limits(limits), m_downloaded(std::move(downloaded)), m_remember(std::move(remember)),
      m_download(this)
{
    setWindowTitle(QStringLiteral("在线更新开奖号码"));
    setObjectName(QStringLiteral("drawFetch"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("开奖号码文件的网址（http 或 https；文件格式同“导入开奖号码”）："), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    m_address = new QLineEdit(QString::fromStdString(address), this);
    m_address->setObjectName(QStringLiteral("drawFetchAddress"));
    m_address->setPlaceholderText(QStringLiteral("https://…/draws.csv"));
    layout->addWidget(m_address);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("drawFetchProgress"));
    m_progress->setRange(0, 0);
    m_progress->hide();
    layout->addWidget(m_progress);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("drawFetchStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(QStringLiteral("下载并导入(&D)"), QDialogButtonBox::AcceptRole);
    m_start->setObjectName(QStringLiteral("drawFetchStart"));
    m_cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("drawFetchCancel"));
    connect(m_start, &QPushButton::clicked, this, [this] { Start(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { reject(); });
    layout->addWidget(buttons);
    m_start->setDefault(true);
    resize(520, 170);
}

QString DrawFetchDialog::StatusText() const { return m_status->text(); }

void DrawFetchDialog::Start()
{
    if (m_download.Running())
        return;
    const std::string address = m_address->text().trimmed().toStdString();
    const QUrl url = WebAddress(address);
    if (!url.isValid()) {
        m_status->setText(QStringLiteral("只能从 http 或 https 地址下载，例如 https://example.com/draws.csv"));
        return;
    }
    if (m_remember)
        m_remember(address);
    m_address->setEnabled(false);
    m_start->setEnabled(false);
    m_progress->setRange(0, 0);
    m_progress->show();
    m_status->setText(QStringLiteral("正在连接……"));
    m_download.Start(
        url, m_limits, [this](std::int64_t received, std::int64_t total) { OnProgress(received, total); },
        [this](const DownloadResult& result) { OnDone(result); });
}

void DrawFetchDialog::OnProgress(std::int64_t received, std::int64_t total)
{
    if (total > 0) {
        // The bar counts kilobytes so that 16 MiB fits its int range with room.
        m_progress->setRange(0, static_cast<int>(total / 1024 + 1));
        m_progress->setValue(static_cast<int>(received / 1024));
        m_status->setText(QStringLiteral("已下载 %1，共 %2").arg(SizeText(received), SizeText(total)));
    } else {
        m_status->setText(QStringLiteral("已下载 %1").arg(SizeText(received)));
    }
}

void DrawFetchDialog::OnDone(const DownloadResult& result)
{
    m_progress->hide();
    m_address->setEnabled(true);
    m_start->setEnabled(true);
    if (!result.ok) {
        m_status->setText(QString::fromStdString(result.error) + QStringLiteral("。开奖号码没有改动"));
        return;
    }
    m_status->setText(QStringLiteral("已下载，正在导入……"));
    const std::string address = m_address->text().trimmed().toStdString();
    accept();
    if (m_downloaded)
        m_downloaded(address, result.bytes);
}

void DrawFetchDialog::reject()
{
    // 取消 stops a running download first; a second press closes.
    if (m_download.Running()) {
        m_download.Cancel();
        return;
    }
    QDialog::reject();
}

} // namespace vesk::app
