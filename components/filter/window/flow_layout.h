#pragma once
// A layout that places its items left to right and wraps them to the next
// line at the right edge, so a row of value toggles fits a narrow page and
// spreads out on a wide one.

#include <QLayout>

#include <vector>

namespace vesk::filter {

class FlowLayout final : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 2);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(m_items.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int Arrange(const QRect& rect, bool apply) const;

    std::vector<QLayoutItem*> m_items;
    int m_gap;
};

} // namespace vesk::filter
