#pragma once
// Waits until a visible label under root shows text: a hand-off to the
// workbench opens it and fills its result list over a few turns of the event
// loop, more of them under a sanitizer on a busy machine.

#include <QLabel>
#include <QTest>
#include <QWidget>

namespace vesk::test {

inline bool WaitForVisibleLabel(const QWidget* root, const QString& text, int milliseconds = 10000)
{
    return QTest::qWaitFor(
        [root, &text] {
            for (const QLabel* label : root->findChildren<QLabel*>())
                if (label->isVisible() && label->text() == text)
                    return true;
            return false;
        },
        milliseconds);
}

} // namespace vesk::test
