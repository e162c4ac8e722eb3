#include "tools/skingen/skin_writer.h"

#include <QDir>

namespace skingen {

SkinWriter::SkinWriter(QString directory)
    : m_directory(std::move(directory))
{
}

void SkinWriter::saveBitmap(const QString& name, const QImage& image)
{
    save(name, image.convertToFormat(QImage::Format_RGB32), "BMP");
}

void SkinWriter::saveIcon(const QString& name, const QImage& image)
{
    save(name, image.convertToFormat(QImage::Format_ARGB32), "ICO");
}

void SkinWriter::save(const QString& name, const QImage& image, const char* format)
{
    const QString path = QDir(m_directory).filePath(name);
    if (image.isNull() || !image.save(path, format))
        m_errors << QStringLiteral("cannot write %1").arg(path);
    else
        ++m_written;
}

} // namespace skingen
