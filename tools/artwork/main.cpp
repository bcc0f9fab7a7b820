// Draws every image of the resource bundle into a resources directory:
//   corvalen_artwork RESOURCES_DIR
// Running it again writes the same bytes.

#include "buttons.h"
#include "icon.h"
#include "indicators.h"
#include "logo.h"
#include "shadows.h"

#include <QDir>
#include <QCoreApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool writePng(const QString &path, const QImage &image)
{
    QImageWriter writer(path, "png");
    if (writer.write(image))
        return true;
    QTextStream(stderr) << path << ": " << writer.errorString() << '\n';
    return false;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    QTextStream(stderr) << path << ": " << file.errorString() << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // The images hold no text, so painting them needs neither fonts nor a display.
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: corvalen_artwork RESOURCES_DIR\n";
        return 2;
    }
    const QDir images(QDir(arguments.at(1)).filePath(QStringLiteral("images")));
    if (!images.mkpath(QStringLiteral("shadow"))) {
        QTextStream(stderr) << images.path() << ": cannot create\n";
        return 1;
    }

    const QImage logoImage = logo();
    bool written = writePng(images.filePath(QStringLiteral("minimize.png")), buttonStrip(ButtonGlyph::Minimize))
        && writePng(images.filePath(QStringLiteral("maximize.png")), buttonStrip(ButtonGlyph::Maximize))
        && writePng(images.filePath(QStringLiteral("restore.png")), buttonStrip(ButtonGlyph::Restore))
        && writePng(images.filePath(QStringLiteral("close.png")), buttonStrip(ButtonGlyph::Close))
        && writePng(images.filePath(QStringLiteral("version.png")), buttonStrip(ButtonGlyph::Version))
        && writePng(images.filePath(QStringLiteral("checkbox.png")), checkBoxStrip())
        && writePng(images.filePath(QStringLiteral("radiobox.png")), radioButtonStrip())
        && writePng(images.filePath(QStringLiteral("logo.png")), logoImage)
        && writeBytes(images.filePath(QStringLiteral("logo.ico")), iconFile(logoImage));
    for (const auto &piece : shadowPieces())
        written = written && writePng(images.filePath(QStringLiteral("shadow/") + piece.first), piece.second);
    return written ? 0 : 1;
}
