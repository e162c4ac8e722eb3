#pragma once
// Entering one draw by hand: the period (suggested as the one after the
// latest) and the number, typed or clicked on the host's digit pad. The
// dialog stays open and says why while the draw is refused.

#include "numbers/draw_history.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace vesk::app {

class DigitPad;

class DrawEntryDialog final : public QDialog {
public:
    // submit stores the draw and returns why it could not; empty when stored.
    using Submit = std::function<std::string(const std::string& period, const std::string& number)>;

    DrawEntryDialog(const DrawHistory& history, DigitPad& pad, Submit submit, QWidget* parent);

    QLineEdit* PeriodEdit() const { return m_period; }
    QLineEdit* NumberEdit() const { return m_number; }
    QString ErrorText() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPad();

    DigitPad& m_pad;
    Submit m_submit;
    int m_length;
    QLineEdit* m_period = nullptr;
    QLineEdit* m_number = nullptr;
    QLabel* m_error = nullptr;
};

} // namespace vesk::app
