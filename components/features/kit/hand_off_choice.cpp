#include "components/features/kit/hand_off_choice.h"

#include <QHash>

namespace vesk::features {

namespace {

// The choice of each window key; a window is made anew on each opening.
QHash<QString, int>& RememberedChoices()
{
    static QHash<QString, int> choices;
    return choices;
}

} // namespace

HandOffChoice::HandOffChoice(const QString& key, QWidget* parent) : QComboBox(parent), m_key(key)
{
    setObjectName(QStringLiteral("handOffMode"));
    for (const analysis::HandOffMode mode : analysis::kHandOffModes)
        addItem(QString::fromUtf8(analysis::HandOffModeName(mode)), static_cast<int>(mode));
    setToolTip(QStringLiteral("替换：缩水器的结果列表换成这些号码；追加：加入列表中还没有的号码；"
                              "交集：只留下列表中也在这些号码里的号码。都可以撤消"));
    setCurrentIndex(RememberedChoices().value(m_key, 0));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            RememberedChoices().insert(m_key, index);
    });
}

analysis::HandOffMode HandOffChoice::Mode() const
{
    const int index = currentIndex();
    return index >= 0 && index < static_cast<int>(std::size(analysis::kHandOffModes)) ? analysis::kHandOffModes[index]
                                                                                       : analysis::HandOffMode::Replace;
}

analysis::HandOffMode ChosenHandOffMode(const QWidget* window)
{
    const auto* choice = window ? window->findChild<const HandOffChoice*>() : nullptr;
    return choice ? choice->Mode() : analysis::HandOffMode::Replace;
}

} // namespace vesk::features
