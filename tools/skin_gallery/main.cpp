// skin-gallery [--screenshot FILE]: every skinned control in one dialog. With
// --screenshot it draws the dialog off screen, writes it as a PNG and exits.
#include "tools/skin_gallery/gallery_dialog.h"
#include "tools/skin_gallery/screenshot.h"
#include "framework/qt_translations.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    const char* screenshot = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            screenshot = argv[++i];
        else {
            std::fprintf(stderr, "usage: skin-gallery [--screenshot FILE]\n");
            return 2;
        }
    }
    if (screenshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The standard dialogs in the user's language, as in the host.
    vesk::InstallQtTranslations(app, QLocale::system());
    gallery::UseSkinsBesideTheProgram();
    gallery::RegisterGalleryTemplate();

    gallery::GalleryDialog dialog;
    if (screenshot)
        return gallery::WriteScreenshot(dialog, screenshot) ? 0 : 1;
    dialog.DoModal();
    return 0;
}
