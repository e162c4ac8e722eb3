#pragma once
// Fetching a draw file from a web address the user gives, for the online
// update of the host and for vesk-cli. Only http and https are fetched, and
// a redirect is followed only to them; a download gives up after a stretch
// without data, and refuses a body larger than the limit, whatever the
// server declares. The bytes are the caller's to import: a failed download
// hands none, so nothing is changed by it.

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>


namespace vesk::app {

struct DownloadLimits {
    int idleMilliseconds = 30'000;      // without any data arriving
    std::size_t maxBytes = 16u << 20;   // of the body
    int maxRedirects = 3;
};

struct DownloadResult {
    bool ok = false;
    bool cancelled = false;
    std::vector<std::uint8_t> bytes; // the body; empty unless ok
    std::string error;               // for the user; empty when ok
};

// The address when it is an http or https address with a host; an invalid
// QUrl otherwise.
QUrl WebAddress(const std::string& text);

class DrawDownload final : public QObject {
public:
    using Progress = std::function<void(std::int64_t received, std::int64_t total)>; // total -1 when unknown
    using Done = std::function<void(const DownloadResult& result)>;

    explicit DrawDownload(QObject* parent = nullptr);
    ~DrawDownload() override;

    // Starts fetching; done is called once, later, from the event loop (also
    // for an address that is not http or https). One download at a time.
    void Start(const QUrl& address, const DownloadLimits& limits, Progress progress, Done done);
    // Stops the download; done is called with cancelled set.
    void Cancel();
    bool Running() const { return m_reply != nullptr; }

private:
    void OnReadyRead();
    void OnFinished();
    void Finish(DownloadResult result);
    void Fail(const std::string& error, bool cancelled = false);

    QNetworkAccessManager m_manager;
    QTimer m_idle;
    QPointer<QNetworkReply> m_reply;
    DownloadLimits m_limits;
    Progress m_progress;
    Done m_done;
    std::vector<std::uint8_t> m_bytes;
    int m_redirects = 0;
};

// Runs a download to its end in a local event loop (for the command line;
// needs a QCoreApplication).
DownloadResult DownloadNow(const QUrl& address, const DownloadLimits& limits);

} // namespace vesk::app
