// Loading bitmaps and icons from files by path relative to the resource folder.
#include "framework/gdi_objects.h"
#include "framework/module_context.h"

#include <QImageReader>

namespace vesk {

namespace {

QImage ReadImage(const CString& path)
{
    QImageReader reader(QString::fromStdString(ResolveResourcePath(path)));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

HBITMAP LoadBitmapFile(const CString& path)
{
    const QImage image = ReadImage(path);
    if (image.isNull())
        return nullptr;
    auto* bitmap = new GdiBitmap;
    bitmap->image = image.convertToFormat(QImage::Format_RGB32);
    return bitmap;
}

HICON CreateIconFromImage(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    auto* icon = new GdiIcon;
    icon->image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return icon;
}

HICON LoadIconFile(const CString& path, int cx, int cy)
{
    QImage image = ReadImage(path);
    if (image.isNull())
        return nullptr;
    if (cx > 0 && cy > 0 && image.size() != QSize(cx, cy))
        image = image.scaled(cx, cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return CreateIconFromImage(image);
}

HANDLE LoadImage(void*, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    if (!name || !(flags & LR_LOADFROMFILE))
        return nullptr;
    if (type == IMAGE_BITMAP)
        return LoadBitmapFile(name);
    if (type == IMAGE_ICON)
        return LoadIconFile(name, cx, cy);
    return nullptr;
}

} // namespace vesk
