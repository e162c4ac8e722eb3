#include "app/services/draw_download.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace vesk::app {
namespace {

bool IsWebScheme(const QUrl& url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

std::string MegabytesText(std::size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

} // namespace

QUrl WebAddress(const std::string& text)
{
    const QUrl url(QString::fromStdString(text).trimmed(), QUrl::StrictMode);
    if (!url.isValid() || !IsWebScheme(url) || url.host().isEmpty())
        return {};
    return url;
}

DrawDownload::DrawDownload(QObject* parent) : QObject(parent)
{
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        Fail(std::to_string(m_limits.idleMilliseconds / 1000) + " 秒没有收到数据，已放弃下载");
    });
}

DrawDownload::~DrawDownload()
{
    m_done = nullptr;
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void DrawDownload::Start(const QUrl& address, const DownloadLimits& limits, Progress progress, Done done)
{
    m_limits = limits;
    m_progress = std::move(progress);
    m_done = std::move(done);
    m_bytes.clear();
    m_redirects = 0;
    if (!address.isValid() || !IsWebScheme(address)) {
        // Said from the event loop, as every other end of a download.
        QTimer::singleShot(0, this, [this] { Finish({false, false, {}, "只能从 http 或 https 地址下载"}); });
        return;
    }
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    // One more than ours, so that our own count refuses the extra one with our words.
    request.setMaximumRedirectsAllowed(limits.maxRedirects + 1);
    m_reply = m_manager.get(request);
    QNetworkReply* reply = m_reply;
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl& target) {
        if (!IsWebScheme(target))
            return Fail("服务器转向了不是 http 或 https 的地址：" + target.toString().toStdString());
        if (++m_redirects > m_limits.maxRedirects)
            return Fail("转向超过 " + std::to_string(m_limits.maxRedirects) + " 次");
        m_idle.start();
        Q_EMIT reply->redirectAllowed();
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant declared = reply->header(QNetworkRequest::ContentLengthHeader);
        if (declared.isValid() && declared.toULongLong() > m_limits.maxBytes)
            return Fail("文件大于 " + MegabytesText(m_limits.maxBytes) + "，不是开奖号码文件");
        // The server answered: say so before the first bytes arrive.
        if (m_progress)
            m_progress(0, declared.isValid() ? declared.toLongLong() : -1);
    });
    connect(reply, &QNetworkReply::readyRead, this, [this] { OnReadyRead(); });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (m_progress)
            m_progress(received, total);
    });
    connect(reply, &QNetworkReply::finished, this, [this] { OnFinished(); });
    m_idle.start(m_limits.idleMilliseconds);
}

void DrawDownload::OnReadyRead()
{
    if (!m_reply)
        return;
    m_idle.start();
    const QByteArray chunk = m_reply->readAll();
    if (m_bytes.size() + static_cast<std::size_t>(chunk.size()) > m_limits.maxBytes)
        return Fail("文件大于 " + MegabytesText(m_limits.maxBytes) + "，不是开奖号码文件");
    m_bytes.insert(m_bytes.end(), chunk.begin(), chunk.end());
}

void DrawDownload::OnFinished()
{
    if (!m_reply)
        return;
    OnReadyRead();
    if (!m_reply)
        return; // the last bytes were too many
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = m_reply->error();
    // A connection closed before the declared length is a cut-off file, not a short one.
    const QVariant declared = m_reply->header(QNetworkRequest::ContentLengthHeader);
    const bool cutOff = declared.isValid() && declared.toULongLong() != m_bytes.size();
    if (status >= 200 && status < 300 && cutOff
        && (error == QNetworkReply::NoError || error == QNetworkReply::RemoteHostClosedError))
        return Fail("连接在文件传完之前断开（收到 " + std::to_string(m_bytes.size()) + " 字节，应有 "
                    + std::to_string(declared.toULongLong()) + " 字节）");
    if (error == QNetworkReply::TooManyRedirectsError)
        return Fail("转向超过 " + std::to_string(m_limits.maxRedirects) + " 次");
    if (status >= 300 && status < 400)
        return Fail("服务器转向了不能跟随的地址（只跟随 http 和 https）：" + m_reply->rawHeader("Location").toStdString());
    if (status >= 400)
        return Fail("服务器回答 HTTP " + std::to_string(status) + "（"
                    + m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString() + "）");
    if (error != QNetworkReply::NoError)
        return Fail("下载失败：" + m_reply->errorString().toStdString());
    if (status != 0 && status < 200)
        return Fail("服务器回答 HTTP " + std::to_string(status));
    DownloadResult result;
    result.ok = true;
    result.bytes = std::move(m_bytes);
    Finish(std::move(result));
}

void DrawDownload::Cancel()
{
    if (m_reply)
        Fail("已取消下载", true);
}

void DrawDownload::Fail(const std::string& error, bool cancelled) { Finish({false, cancelled, {}, error}); }

void DrawDownload::Finish(DownloadResult result)
{
    m_idle.stop();
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_bytes.clear();
    if (!result.ok)
        result.bytes.clear();
    if (Done done = std::move(m_done))
        done(result);
}

DownloadResult DownloadNow(const QUrl& address, const DownloadLimits& limits)
{
    DownloadResult result;
    QEventLoop loop;
    DrawDownload download;
    download.Start(address, limits, {}, [&](const DownloadResult& done) {
        result = done;
        loop.quit();
    });
    loop.exec();
    return result;
}

} // namespace vesk::app
