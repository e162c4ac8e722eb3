#include "app/window/screenshot_interaction.h"

#include "framework/cdialog.h"
#include "framework/styles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QWidget>

#include <cstdio>

namespace vesk::app {
namespace {

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

ScreenshotInteraction::ScreenshotInteraction(std::string dialogPicture)
    : m_dialogPicture(std::move(dialogPicture))
{
    SetInteraction(this);
    m_modalWatch.setInterval(20);
    QObject::connect(&m_modalWatch, &QTimer::timeout, [this] { CloseModalWidget(); });
    m_modalWatch.start();
}

ScreenshotInteraction::~ScreenshotInteraction() { SetInteraction(nullptr); }

int ScreenshotInteraction::MessageBox(const MessageBoxRequest& request)
{
    std::fprintf(stderr, "vesk: message: %s\n", request.text.c_str());
    if (WantsPicture())
        ShownByQt([&request](InteractionProvider& qt) { qt.MessageBox(request); });
    switch (request.type & MB_TYPEMASK) {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

FileDialogResult ScreenshotInteraction::FileDialog(const FileDialogRequest& request)
{
    if (!m_fileAnswers.empty()) {
        FileDialogResult answer{true, {m_fileAnswers.front()}, 1};
        m_fileAnswers.pop_front();
        return answer;
    }
    if (WantsPicture())
        ShownByQt([&request](InteractionProvider& qt) { qt.FileDialog(request); });
    return {};
}

PrintDialogResult ScreenshotInteraction::PrintDialog(const PrintDialogRequest& request)
{
    if (WantsPicture())
        ShownByQt([&request](InteractionProvider& qt) { qt.PrintDialog(request); });
    return {};
}

void ScreenshotInteraction::ShownByQt(const std::function<void(InteractionProvider&)>& show)
{
    // The Qt provider shows the real dialog; the watch pictures it and closes
    // it, and the answer stays the unattended one.
    SetInteraction(nullptr);
    show(Interaction());
    SetInteraction(this);
}

UINT ScreenshotInteraction::ChooseMenuItem(const MenuRequest&) { return 0; }

void ScreenshotInteraction::ModalDialogStarted(CDialog& dialog)
{
    if (dialog.m_hWnd) {
        Settle();
        Picture(*dialog.m_hWnd->window());
    }
    dialog.EndDialog(IDCANCEL);
}

void ScreenshotInteraction::Picture(QWidget& window)
{
    if (m_dialogPicture.empty() || m_pictured)
        return;
    if (window.grab().save(QString::fromStdString(m_dialogPicture), "PNG")) {
        m_pictured = true;
        // What the picture's buttons say, for scripts that check the words.
        QStringList buttons;
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->isVisible() && !button->text().isEmpty())
                buttons << button->text();
        }
        std::fprintf(stderr, "vesk: pictured buttons: %s\n", buttons.join(QLatin1Char('|')).toLocal8Bit().constData());
    } else
        m_pictureError = "cannot write " + m_dialogPicture;
}

void ScreenshotInteraction::CloseModalWidget()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    Picture(*modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace vesk::app
