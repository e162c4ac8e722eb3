// app-icon FOLDER NAME: draws the program's icon into the hicolor layout
// under FOLDER (FOLDER/<n>x<n>/apps/NAME.png for each size).
#include "tools/app_icon/app_icon_painter.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: app-icon FOLDER NAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // fonts without a display
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : app_icon::IconSizes()) {
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = QStringLiteral("%1/%2.png").arg(apps, name);
        if (!QDir().mkpath(apps) || !app_icon::PaintAppIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "app-icon: cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
