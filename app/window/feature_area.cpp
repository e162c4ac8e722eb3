#include "app/window/feature_area.h"

#include "framework/window_message_event.h"

#include <QResizeEvent>

namespace vesk::app {

FeatureArea::FeatureArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("featureArea"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(250, 252, 254));
    setPalette(palette);
    setMinimumSize(320, 240);
}

bool FeatureArea::event(QEvent* event)
{
    if (event->type() == WindowMessageEvent::EventType()) {
        auto* message = static_cast<WindowMessageEvent*>(event);
        if (message->message == kFeatureCloseMessage) {
            if (m_onClose)
                m_onClose(static_cast<std::int32_t>(message->wParam));
            message->result = 1;
            return true;
        }
        if (message->message == kMessageShowStatus) {
            const auto* text = reinterpret_cast<const char*>(message->lParam);
            message->result = text && m_onStatus ? 1 : 0;
            if (text && m_onStatus)
                m_onStatus(QString::fromUtf8(text));
            return true;
        }
    }
    return QWidget::event(event);
}

void FeatureArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The module places a feature once when it opens; keep it filling the area.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            child->setGeometry(rect());
    }
}

} // namespace vesk::app
