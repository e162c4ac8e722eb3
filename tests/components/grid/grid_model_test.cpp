// The grid's item model keeps Qt's model rules through resizes and refills.
#include "components/grid/grid_model.h"

#include <QAbstractItemModelTester>
#include <QColor>

#include <gtest/gtest.h>

namespace vesk::grid {
namespace {

// Collects the tester's complaints instead of letting them pass as warnings.
class WarningCollector {
public:
    WarningCollector() { s_active = this, m_previous = qInstallMessageHandler(&WarningCollector::Handle); }
    ~WarningCollector() { qInstallMessageHandler(m_previous), s_active = nullptr; }
    const QStringList& Warnings() const { return m_warnings; }

private:
    static void Handle(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type != QtDebugMsg && s_active)
            s_active->m_warnings.push_back(text);
    }
    static inline WarningCollector* s_active = nullptr;
    QtMessageHandler m_previous = nullptr;
    QStringList m_warnings;
};

TEST(GridModel, PassesTheItemModelTesterThroughSetUpRefillsAndShrinking)
{
    WarningCollector warnings;
    GridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_TRUE(model.Resize(0, 4));
    ASSERT_TRUE(model.SetTitle(0, "序号"));
    for (const int rows : {1000, 10, 0, 5}) {
        ASSERT_TRUE(model.Resize(rows, 0));
        for (int row = 0; row < rows; ++row) {
            model.SetNumber(row, 0, row + 1, 0);
            model.SetText(row, 1, "012");
        }
        model.CellsChanged();
    }
    ASSERT_TRUE(model.SetColors(1, 0x0000FF, 0xFFFFFF));
    ASSERT_TRUE(model.Resize(3, 2));
    EXPECT_FALSE(model.Resize(-1, 0));
    EXPECT_TRUE(warnings.Warnings().isEmpty()) << warnings.Warnings().join(QLatin1Char('\n')).toStdString();
}

TEST(GridModel, ShowsCellsTitlesAndColoursAndNothingOutsideTheTable)
{
    GridModel model;
    ASSERT_TRUE(model.Resize(2, 3));
    model.SetNumber(0, 0, 5, 3);
    model.SetText(0, 1, "投注");
    ASSERT_TRUE(model.SetTitle(2, "和值"));
    ASSERT_TRUE(model.SetColors(2, 0x800080, std::nullopt));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("005"));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QString::fromUtf8("投注"));
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QString());
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8("和值"));
    EXPECT_FALSE(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).isValid());
    EXPECT_EQ(model.data(model.index(1, 2), Qt::ForegroundRole).value<QColor>(), QColor(128, 0, 128));
    EXPECT_FALSE(model.data(model.index(1, 0), Qt::ForegroundRole).isValid()) << "no colour set: the view's";
    EXPECT_FALSE(model.data(model.index(2, 0), Qt::DisplayRole).isValid());
    EXPECT_FALSE(model.SetTitle(3, "x"));
    EXPECT_FALSE(model.SetColors(-1, 0, std::nullopt));
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
}

} // namespace
} // namespace vesk::grid
