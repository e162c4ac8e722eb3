#pragma once
// Service 3: a small popup of keys under an edit that types into it. The
// caller attaches the pad to an edit, adds its keys, arranges them in
// columns and shows it. The pad never takes the focus, so the edit keeps it
// while keys are clicked; the pad hides when the edit loses the focus, hides
// or goes away. It belongs to the edit's window, so it works over a modal
// dialog and goes away with it.

#include "host/host_services.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

namespace vesk::app {

class DigitPad final : public QObject, public IDigitPadService {
public:
    DigitPad();
    ~DigitPad() override;

    // Slot 3: 0 hides, any other command shows the pad under its edit. 0 when
    // there is no edit or no key to show.
    SlotInt Show(SlotInt showCommand) override;
    SlotInt AddKey(const char* caption, const char* insertText) override;
    SlotInt IsActive() override;
    // Slot 10: starts a new key set for the edit; 0 when edit is no live widget.
    SlotInt Attach(WindowHandle dialog, WindowHandle edit, SlotInt, SlotInt) override;
    SlotInt Arrange(SlotInt columns, SlotInt flags) override;

    // The popup while it exists (tests click its keys).
    QWidget* Window() const { return m_window.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Key {
        QString caption;
        QString text;
    };
    void Build();
    void Discard();
    void Type(const QString& text);

    QPointer<QWidget> m_edit;
    std::vector<Key> m_keys;
    int m_columns = 4;
    // A tool window of the edit's window, so a modal dialog does not block it;
    // it goes with that window.
    QPointer<QWidget> m_window;
};

} // namespace vesk::app
