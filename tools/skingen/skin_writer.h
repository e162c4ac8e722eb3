#pragma once
// Collects the generated skin images and writes each into the output folder
// under its relative name ("Skin/WhiteBtn.bmp" is written as <dir>/WhiteBtn.bmp).

#include <QImage>
#include <QString>
#include <QStringList>

namespace skingen {

class SkinWriter {
public:
    explicit SkinWriter(QString directory);

    // Writes a device-independent bitmap, 24 bits per pixel, no alpha.
    void saveBitmap(const QString& name, const QImage& image);
    // Writes a Windows icon; the image keeps its alpha channel.
    void saveIcon(const QString& name, const QImage& image);

    const QStringList& errors() const { return m_errors; }
    int written() const { return m_written; }

private:
    void save(const QString& name, const QImage& image, const char* format);

    QString m_directory;
    QStringList m_errors;
    int m_written = 0;
};

} // namespace skingen
