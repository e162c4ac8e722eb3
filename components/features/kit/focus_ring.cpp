#include "components/features/kit/focus_ring.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vesk::features {

namespace {

constexpr int kRingWidth = 2;

class FocusRing final : public QWidget {
public:
    explicit FocusRing(QWidget* window) : QWidget(window), m_window(window)
    {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Each time the window shows, its controls are laid out: order Tab then.
        if (watched == m_window && event->type() == QEvent::Show)
            QTimer::singleShot(0, this, [this] {
                if (m_window)
                    OrderTabsByLayout(m_window);
            });
        return false;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(40, 110, 220), kRingWidth));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }

private:
    void Follow(QWidget* focused)
    {
        // A table's viewport has the focus for its view; the ring goes round the view.
        QWidget* target = focused;
        if (target && qobject_cast<QAbstractScrollArea*>(target->parentWidget()) &&
            static_cast<QAbstractScrollArea*>(target->parentWidget())->viewport() == target)
            target = target->parentWidget();
        if (!target || target == this || !m_window->isAncestorOf(target) || !target->isVisible()) {
            hide();
            return;
        }
        const QRect around(target->mapTo(m_window, QPoint(0, 0)), target->size());
        setGeometry(around.adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth));
        show();
        raise();
        update();
    }

    QPointer<QWidget> m_window;
};

bool TakesTab(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
           !widget->focusProxy();
}

} // namespace

void ShowFocusRing(QWidget* window)
{
    new FocusRing(window);
}

void OrderTabsByLayout(QWidget* window)
{
    std::vector<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (TakesTab(widget))
            controls.push_back(widget);
    // Rows first: a control whose middle lies within a few pixels of the
    // row's first middle shares its row; then left to right in each row.
    const auto middle = [window](const QWidget* w) { return w->mapTo(window, QPoint(0, w->height() / 2)).y(); };
    const auto left = [window](const QWidget* w) { return w->mapTo(window, QPoint(0, 0)).x(); };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](const QWidget* a, const QWidget* b) { return middle(a) < middle(b); });
    std::vector<int> row(controls.size(), 0);
    for (std::size_t i = 1, first = 0; i < controls.size(); ++i) {
        if (middle(controls[i]) - middle(controls[first]) > 10)
            first = i;
        row[i] = static_cast<int>(first);
    }
    std::vector<std::size_t> order(controls.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return row[a] != row[b] ? row[a] < row[b] : left(controls[a]) < left(controls[b]);
    });
    std::vector<QWidget*> ordered;
    for (std::size_t i : order)
        ordered.push_back(controls[i]);
    controls = std::move(ordered);
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace vesk::features
