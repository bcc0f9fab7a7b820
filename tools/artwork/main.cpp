// Draws every image of the resource bundle into a resources directory:
//   corvalen_artwork RESOURCES_DIR
// Each picture comes twice, NAME.png and NAME@2x.png, the name under which Qt
// finds the version for displays of twice the density; the Windows installer's
// pictures come once, as the BMP files it wants. Running it again writes the
// same bytes.

#include "buttons.h"
#include "icon.h"
#include "indicators.h"
#include "installer.h"
#include "logo.h"
#include "shadows.h"

#include <QDir>
#include <QCoreApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool writeImage(const QString &path, const QImage &image, const char *format = "png")
{
    QImageWriter writer(path, format);
    if (writer.write(image))
        return true;
    QTextStream(stderr) << path << ": " << writer.errorString() << '\n';
    return false;
}

// The picture at 1x and at 2x, `draw` being given the scale.
template<typename Draw>
bool writeBothScales(const QDir &images, const QString &name, Draw draw)
{
    return writeImage(images.filePath(name + QStringLiteral(".png")), draw(1))
        && writeImage(images.filePath(name + QStringLiteral("@2x.png")), draw(2));
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

    const auto buttons = [&images](const char *name, ButtonGlyph glyph) {
        return writeBothScales(images, QLatin1String(name), [glyph](int scale) { return buttonStrip(glyph, scale); });
    };
    bool written = buttons("minimize", ButtonGlyph::Minimize) && buttons("maximize", ButtonGlyph::Maximize)
        && buttons("restore", ButtonGlyph::Restore) && buttons("close", ButtonGlyph::Close)
        && buttons("version", ButtonGlyph::Version)
        && writeBothScales(images, QStringLiteral("checkbox"), checkBoxStrip)
        && writeBothScales(images, QStringLiteral("radiobox"), radioButtonStrip)
        && writeBothScales(images, QStringLiteral("logo"), logo)
        && writeBytes(images.filePath(QStringLiteral("logo.ico")), iconFile(logo(1)))
        && writeImage(images.filePath(QStringLiteral("installer-wizard.bmp")), installerWizard(), "bmp")
        && writeImage(images.filePath(QStringLiteral("installer-header.bmp")), installerHeader(), "bmp");
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        for (const auto &piece : shadowPieces(scale)) {
            QString name = piece.first;
            name.replace(QStringLiteral(".png"), suffix);
            written = written && writeImage(images.filePath(QStringLiteral("shadow/") + name), piece.second);
        }
    }
    return written ? 0 : 1;
}
