#include "app/services/digit_pad.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace vesk::app {
namespace {

// Handles come from other modules; only a widget that exists is touched.
QWidget* LiveWidget(WindowHandle handle)
{
    auto* candidate = reinterpret_cast<QWidget*>(handle);
    const QWidgetList widgets = QApplication::allWidgets();
    return handle && widgets.contains(candidate) ? candidate : nullptr;
}

Qt::Key KeyOf(const QString& text)
{
    if (text.size() == 1 && text[0].isDigit())
        return static_cast<Qt::Key>(Qt::Key_0 + text[0].digitValue());
    return Qt::Key_unknown;
}

} // namespace

DigitPad::DigitPad() = default;
DigitPad::~DigitPad() { Discard(); }

void DigitPad::Discard()
{
    delete m_window.data();
}

SlotInt DigitPad::Attach(WindowHandle, WindowHandle edit, SlotInt, SlotInt)
{
    if (m_edit)
        m_edit->removeEventFilter(this);
    Discard();
    m_keys.clear();
    m_edit = LiveWidget(edit);
    if (!m_edit)
        return 0;
    m_edit->installEventFilter(this);
    return 1;
}

SlotInt DigitPad::AddKey(const char* caption, const char* insertText)
{
    if (!caption || !insertText)
        return 0;
    m_keys.push_back({QString::fromUtf8(caption), QString::fromUtf8(insertText)});
    Discard();
    return 1;
}

SlotInt DigitPad::Arrange(SlotInt columns, SlotInt)
{
    m_columns = static_cast<int>(std::clamp<SlotInt>(columns, 1, 16));
    Discard();
    return 1;
}

SlotInt DigitPad::IsActive() { return m_window && m_window->isVisible() ? 1 : 0; }

SlotInt DigitPad::Show(SlotInt showCommand)
{
    if (showCommand == 0) {
        if (m_window)
            m_window->hide();
        return 1;
    }
    if (!m_edit || m_keys.empty())
        return 0;
    if (!m_window)
        Build();
    m_window->adjustSize();
    m_window->move(m_edit->mapToGlobal(QPoint(0, m_edit->height())));
    m_window->show();
    return 1;
}

void DigitPad::Build()
{
    m_window = new QWidget(m_edit->window(), Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    m_window->setObjectName(QStringLiteral("digitPad"));
    auto* grid = new QGridLayout(m_window);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        auto* button = new QToolButton(m_window);
        button->setText(m_keys[i].caption);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumSize(28, 24);
        const QString text = m_keys[i].text;
        QObject::connect(button, &QToolButton::clicked, this, [this, text] { Type(text); });
        const int index = static_cast<int>(i);
        grid->addWidget(button, index / m_columns, index % m_columns);
    }
}

void DigitPad::Type(const QString& text)
{
    if (!m_edit)
        return;
    // Real key events, so the edit's limits, validators and listeners all apply.
    QKeyEvent press(QEvent::KeyPress, KeyOf(text), Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, KeyOf(text), Qt::NoModifier, text);
    QApplication::sendEvent(m_edit, &press);
    QApplication::sendEvent(m_edit, &release);
}

bool DigitPad::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && m_window
        && (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide
            || event->type() == QEvent::Destroy))
        m_window->hide();
    return QObject::eventFilter(watched, event);
}

} // namespace vesk::app
