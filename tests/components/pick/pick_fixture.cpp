#include "tests/components/pick/pick_fixture.h"

#include "tests/support/visible_label.h"

#include <QApplication>
#include <QProcess>

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

std::vector<QStringList> PickFixture::CliPick(const QStringList& args)
{
    QProcess cli;
    cli.start(QString::fromStdString(test::BuildFolder() + "bin/vesk-cli"),
              QStringList{QStringLiteral("pick"), QStringLiteral("--draws"),
                          QString::fromStdString(test::BuildFolder() + "data/draws-3d.txt")} +
                  args);
    if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
        return {};
    std::vector<QStringList> lines;
    for (const QString& line : QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines.push_back(line.split(QLatin1Char('\t')));
    return lines;
}

} // namespace vesk::pick
