#pragma once
// What the host does with questions while it takes a picture offscreen:
// nobody is there to answer, so nothing may wait for an answer. Message
// boxes are answered "cancel"/"no" (their text goes to standard error), file
// dialogs get the queued answers, then are cancelled, print dialogs are
// cancelled, menus dismissed, and any modal dialog,
// the framework's or a plain Qt one, is closed as soon as it is up. With a
// dialog picture asked for, the first question is shown as Qt shows it (a
// message box, a file or print dialog) or the first dialog is left up long
// enough to be pictured, then closed. Installed for its lifetime.

#include "framework/interaction.h"

#include <QTimer>

#include <deque>
#include <functional>
#include <string>

class QWidget;

namespace vesk::app {

class ScreenshotInteraction final : public InteractionProvider {
public:
    // dialogPicture: where the first modal dialog is pictured as a PNG; empty: none is.
    explicit ScreenshotInteraction(std::string dialogPicture = {});
    ~ScreenshotInteraction() override;
    ScreenshotInteraction(const ScreenshotInteraction&) = delete;
    ScreenshotInteraction& operator=(const ScreenshotInteraction&) = delete;

    int MessageBox(const MessageBoxRequest& request) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    PrintDialogResult PrintDialog(const PrintDialogRequest& request) override;
    UINT ChooseMenuItem(const MenuRequest& request) override;
    void ModalDialogStarted(CDialog& dialog) override;

    // The next file dialog is answered with this path instead of being
    // cancelled (answers are used in the order queued).
    void QueueFileAnswer(std::string path) { m_fileAnswers.push_back(std::move(path)); }

    // Pictures window into the dialog picture unless one was taken already,
    // and lists its buttons' texts on standard error ("vesk: pictured buttons: A|B").
    void Picture(QWidget& window);
    bool Pictured() const { return m_pictured; }
    // Why the picture could not be written; empty when it was or none was asked.
    const std::string& PictureError() const { return m_pictureError; }

private:
    bool WantsPicture() const { return !m_dialogPicture.empty() && !m_pictured; }
    void ShownByQt(const std::function<void(InteractionProvider&)>& show);
    void CloseModalWidget();

    std::string m_dialogPicture;
    bool m_pictured = false;
    std::string m_pictureError;
    std::deque<std::string> m_fileAnswers;
    QTimer m_modalWatch; // closes modal Qt dialogs that do not ask through the provider
};

} // namespace vesk::app
