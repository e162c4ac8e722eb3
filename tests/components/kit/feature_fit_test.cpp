// Every analysis window in the real host at the host's first size and at a
// common larger one: no label, button, check box, combo box or column title
// is cut short (each is at least as wide as its own size hint, which counts
// margins, icons and a combo box's arrow). VESK_FIT_SHOTS=folder also saves
// a picture of every window, to be looked at.

#include "tests/support/feature_host_test.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTableView>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vesk::test {
namespace {

// Each leaf with the objectName of the window it shows.
const char* const kLeaves[] = {"单选单码", "组选两码", "和值5", "自定义组合", "直落统计", "号码查询", "特征串查询", "状态表",
                               "偏态搜索", "邻孤传选号", "热温冷选号", "金字塔选号", "跟随选号", "魔数选号", "单选定位",
                               "投注指南", "集合工具", "大方案统计", "号码组统计", "号码统计"};
const char* const kShortLeaves[] = {"胆杀验证", "公式搜索（开发中）"};

QString Where(const QWidget* widget)
{
    QString path = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                  : widget->objectName();
    for (const QWidget* up = widget->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (!up->objectName().isEmpty())
            return up->objectName() + QLatin1Char('/') + path;
    return path;
}

// What is cut short under root, one line each.
QStringList Clipped(const QWidget* root)
{
    QStringList clipped;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->width() <= 0)
            continue;
        int needed = 0;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            needed = label->minimumSizeHint().width();
            text = label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (button->text().isEmpty())
                continue;
            needed = button->minimumSizeHint().width();
            text = button->text();
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            if (combo->sizeAdjustPolicy() != QComboBox::AdjustToContents && combo->sizeAdjustPolicy() != QComboBox::AdjustToContentsOnFirstShow)
                needed = combo->minimumSizeHint().width();
            for (int i = 0; i < combo->count(); ++i)
                needed = std::max(needed, combo->fontMetrics().horizontalAdvance(combo->itemText(i)) + 24);
            text = combo->currentText();
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
            if (header->orientation() != Qt::Horizontal || !header->model())
                continue;
            for (int s = 0; s < header->count(); ++s) {
                if (header->isSectionHidden(s))
                    continue;
                const QString title = header->model()->headerData(s, Qt::Horizontal).toString();
                // The title, the margins and room for the sort arrow.
                const int want = header->fontMetrics().horizontalAdvance(title) + 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
                if (header->sectionSize(s) < want && !title.isEmpty())
                    clipped << QStringLiteral("%1 column “%2”: %3 < %4").arg(Where(header)).arg(title).arg(header->sectionSize(s)).arg(want);
            }
            continue;
        } else {
            continue;
        }
        if (widget->width() < needed)
            clipped << QStringLiteral("%1 “%2”: %3 < %4").arg(Where(widget)).arg(text).arg(widget->width()).arg(needed);
    }
    return clipped;
}

// The visible feature window: the shown child of the host's area.
QWidget* ShownFeature(const QWidget* area)
{
    for (QWidget* child : area->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            return child;
    return nullptr;
}

class FeatureFitTest : public FeatureHostTest, public ::testing::WithParamInterface<QSize> {
protected:
    void Check(const QString& leaf)
    {
        Select(leaf);
        QApplication::processEvents();
        QWidget* feature = ShownFeature(window->Area());
        ASSERT_NE(feature, nullptr) << leaf.toStdString();
        const QSize size = GetParam();
        for (const QString& line : Clipped(feature))
            ADD_FAILURE() << size.width() << "x" << size.height() << " " << leaf.toStdString() << ": " << line.toStdString();
        if (const char* folder = std::getenv("VESK_FIT_SHOTS")) {
            QDir().mkpath(QString::fromLocal8Bit(folder));
            window->grab().save(QStringLiteral("%1/%2-%3x%4.png")
                                    .arg(QString::fromLocal8Bit(folder), leaf)
                                    .arg(size.width())
                                    .arg(size.height()));
        }
    }
};

TEST_P(FeatureFitTest, NoTextOfAnyFeatureWindowIsCutShort)
{
    StartHost(GetParam());
    for (const char* leaf : kLeaves)
        Check(QString::fromUtf8(leaf));
    window->ShortTreeAction()->setChecked(true);
    for (const char* leaf : kShortLeaves)
        Check(QString::fromUtf8(leaf));
}

INSTANTIATE_TEST_SUITE_P(HostSizes, FeatureFitTest, ::testing::Values(QSize(1000, 640), QSize(1280, 900)));

} // namespace
} // namespace vesk::test
