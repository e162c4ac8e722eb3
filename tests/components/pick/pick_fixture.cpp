#include "tests/components/pick/pick_fixture.h"

#include "tests/support/visible_label.h"

#include <QApplication>

#include <cstdlib>

namespace vesk::pick {

void PickFixture::Snapshot(const char* name)
{
    QApplication::processEvents();
    if (const char* folder = std::getenv("VESK_SCREENSHOT_DIR"))
        window->grab().save(QString::fromUtf8(folder) + "/" + QString::fromUtf8(name) + ".png");
}

bool PickFixture::WorkbenchShows(const QString& text)
{
    return test::WaitForVisibleLabel(window->Area(), text);
}

} // namespace vesk::pick
