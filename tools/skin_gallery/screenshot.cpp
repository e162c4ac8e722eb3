#include "tools/skin_gallery/screenshot.h"

#include "framework/module_context.h"
#include "tools/skin_gallery/gallery_dialog.h"
#include "tools/skin_gallery/gallery_ids.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

namespace gallery {

void UseSkinsBesideTheProgram()
{
    const QDir build(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    if (build.exists(QStringLiteral("Skin")))
        vesk::SetResourceFolder(build.absolutePath().toStdString());
}

bool WriteScreenshot(GalleryDialog& dialog, const char* path)
{
    if (!dialog.Create(kGalleryTemplate, nullptr)) {
        std::fprintf(stderr, "skin-gallery: cannot create the dialog\n");
        return false;
    }
    dialog.ShowWindow(vesk::SW_SHOW);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const QPixmap picture = dialog.m_hWnd->grab();
    if (!picture.save(QString::fromLocal8Bit(path), "PNG")) {
        std::fprintf(stderr, "skin-gallery: cannot write %s\n", path);
        return false;
    }
    return true;
}

} // namespace gallery
