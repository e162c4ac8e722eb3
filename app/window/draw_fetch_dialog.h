#pragma once
// 在线更新开奖号码: asks for the web address of a draw file, downloads it with
// its progress shown and 取消 at hand, and hands the bytes on to be imported
// exactly as a file. A failed or cancelled download changes nothing and says
// so; the dialog stays open for another try.

#include "app/services/draw_download.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vesk::app {

class DrawFetchDialog final : public QDialog {
public:
    // Called with the address and the downloaded bytes; the dialog closes after.
    using Downloaded = std::function<void(const std::string& address, const std::vector<std::uint8_t>& bytes)>;
    // Called with an address about to be fetched, to remember it.
    using Remember = std::function<void(const std::string& address)>;

    DrawFetchDialog(const std::string& address, const DownloadLimits& limits, Downloaded downloaded,
                    Remember remember, QWidget* parent);

    QLineEdit* Address() const { return m_address; }
    QPushButton* StartButton() const { return m_start; }
    QPushButton* CancelButton() const { return m_cancel; }
    QString StatusText() const;
    bool Downloading() const { return m_download.Running(); }

protected:
    void reject() override;

private:
    void Start();
    void OnProgress(std::int64_t received, std::int64_t total);
    void OnDone(const DownloadResult& result);

    DownloadLimits m_limits;
    Downloaded m_downloaded;
    Remember m_remember;
    DrawDownload m_download;
    QLineEdit* m_address = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace vesk::app
