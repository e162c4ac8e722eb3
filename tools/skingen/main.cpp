// skingen OUTPUT_DIR: draws every skin image of the workbench into OUTPUT_DIR.
#include <QDir>
#include <QGuiApplication>

#include "tools/skingen/skin_families.h"
#include "tools/skingen/skin_writer.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen OUTPUT_DIR\n");
        return 2;
    }
    // Digits are drawn with a font, which needs a platform; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString directory = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "skingen: cannot create %s\n", argv[1]);
        return 1;
    }
    skingen::SkinWriter writer(directory);
    skingen::writeButtonStrips(writer);
    skingen::writeTwoCellImages(writer);
    skingen::writeButtonIcons(writer);
    skingen::writeFrameImages(writer);
    skingen::writeScrollBarImages(writer);
    skingen::writeTabAndMenuImages(writer);
    for (const QString& error : writer.errors())
        std::fprintf(stderr, "skingen: %s\n", qPrintable(error));
    return writer.errors().isEmpty() ? 0 : 1;
}
