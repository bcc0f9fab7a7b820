#pragma once

#include <QByteArray>
#include <QImage>

// A Windows icon file holding `image` (at most 256x256) as its only entry: an
// uncompressed 32-bit bitmap with straight alpha and the 1-bit mask that older
// readers use.
QByteArray iconFile(const QImage &image);
