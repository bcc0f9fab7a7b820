#include "icon.h"

#include <QDataStream>
#include <QIODevice>

namespace {
constexpr quint16 kIconType = 1;
constexpr quint32 kDirectorySize = 6 + 16;
constexpr quint32 kInfoHeaderSize = 40;
}

QByteArray iconFile(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    // Mask rows are padded to whole 32-bit words.
    const int maskStride = ((width + 31) / 32) * 4;
    const quint32 bitmapSize = kInfoHeaderSize + quint32(width * height * 4 + maskStride * height);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);

    // ICONDIR and its one ICONDIRENTRY; 0 stands for 256 in the size bytes.
    out << quint16(0) << kIconType << quint16(1);
    out << quint8(width % 256) << quint8(height % 256) << quint8(0) << quint8(0)
        << quint16(1) << quint16(32) << bitmapSize << kDirectorySize;

    // BITMAPINFOHEADER: the height counts the colour rows and the mask rows.
    out << kInfoHeaderSize << qint32(width) << qint32(2 * height) << quint16(1) << quint16(32)
        << quint32(0) << quint32(0) << qint32(0) << qint32(0) << quint32(0) << quint32(0);

    // Rows bottom-up, each pixel blue, green, red, alpha.
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            out << quint8(qBlue(pixel)) << quint8(qGreen(pixel)) << quint8(qRed(pixel)) << quint8(qAlpha(pixel));
        }
    }
    // The mask marks fully transparent pixels.
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row.at(x / 8) | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return bytes;
}
