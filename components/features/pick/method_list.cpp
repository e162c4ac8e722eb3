#include "components/features/pick/method_list.h"

#include "components/features/kit/feature_look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk::pick {

namespace {

constexpr const char* kDescriptions[analysis::kPickMethodCount] = {
    "上期出现的数字为传，与之相邻的为邻（0 与 9 不相邻），其余为孤；形态为号码中传、邻、孤的个数",
    "上期出现的为复，上上期出现而上期未出的为隔，其余为中；形态为复、隔、中的个数",
    "按近 W 期出现次数排名：前 3 个热，中间 4 个温，后 3 个冷；形态为热、温、冷的个数",
    "同样的排名分为 1、2、3、4 个数字的四层；形态为号码各位所在层",
    "近 W 期中上期数字之后常跟出的前 K 个数字为跟随码；形态为号码中跟随码的个数",
    "由上期号码 abc 的和、差公式得出魔数；形态为号码中魔数的个数",
    "每一位自选数字，参考当前遗漏和近期次数，组成复式",
};

} // namespace

MethodList::MethodList(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pickMethodList"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    auto* titleBar = new QHBoxLayout;
    titleBar->addLayout(features::TitleLine(features::MakeFeatureTitle(QStringLiteral("智能选号：七种方法"), this), this));
    titleBar->addStretch();
    layout->addLayout(titleBar);
    auto* note = new QLabel(QStringLiteral("每种方法都把上期之后的下期数字分类，并列出各形态在历史上的出现率与随机基准。"
                                           "出现率不高于基准的形态，并不比随机选号好。"),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("methodList"));
    m_list->setWordWrap(true);
    m_list->setSpacing(3);
    for (int m = 0; m < analysis::kPickMethodCount; ++m) {
        const std::string_view title = analysis::InfoOf(static_cast<analysis::PickMethod>(m)).title;
        auto* item = new QListWidgetItem(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())) +
                                         QStringLiteral("\n    ") + QString::fromUtf8(kDescriptions[m]));
        item->setData(Qt::UserRole, m);
        m_list->addItem(item);
    }
    m_list->setCurrentRow(0);
    layout->addWidget(m_list, 1);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    auto* open = new QPushButton(QStringLiteral("打开"), this);
    open->setObjectName(QStringLiteral("openMethod"));
    bar->addWidget(open);
    layout->addLayout(bar);
    connect(open, &QPushButton::clicked, this, [this] { OpenCurrent(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OpenCurrent(); });
}

void MethodList::OpenCurrent()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (item && openMethod)
        openMethod(static_cast<analysis::PickMethod>(item->data(Qt::UserRole).toInt()));
}

} // namespace vesk::pick
