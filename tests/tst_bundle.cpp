#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

// The compiled-in resource bundle: every file at its path and size, and the
// sprite strips, shadow pieces and icon drawn the way the style sheet and the
// dialog shadow slice them. Each picture also comes as NAME@2x.png, twice the
// size, with the same shapes at twice the density.
class TestBundle : public QObject
{
    Q_OBJECT

private slots:
    void imagesHaveTheirPixelSizes_data();
    void imagesHaveTheirPixelSizes();
    void buttonStripsDrawOneGlyphPerStateColour_data();
    void buttonStripsDrawOneGlyphPerStateColour();
    void indicatorFramesHaveTheirColours_data();
    void indicatorFramesHaveTheirColours();
    void shadowEdgesFallOffAcrossTheirThickness_data();
    void shadowEdgesFallOffAcrossTheirThickness();
    void shadowEdgesAreConstantBetweenTheirFades_data();
    void shadowEdgesAreConstantBetweenTheirFades();
    void shadowCornersFadeFromTheContentCorner_data();
    void shadowCornersFadeFromTheContentCorner();
    void twoTimesShadowKeepsTheDarknessOfEachPixel_data();
    void twoTimesShadowKeepsTheDarknessOfEachPixel();
    void iconHoldsTheLogoAsOneUncompressedBitmap();
    void sheetIsUtf8WithByteOrderMarkAndCrlf();
    void sheetHasItsRulesAndBanners();
};

namespace {

QImage load(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

using Rects = QVector<QRect>;

// Rectangles by their first and last pixel, both included.
QRect pixels(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect pixel(int x, int y)
{
    return QRect(x, y, 1, 1);
}

QString atTwice(const QString &path)
{
    return QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
}

} // namespace

void TestBundle::imagesHaveTheirPixelSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const auto row = [](const char *name, const QString &path, const QSize &size) {
        QTest::newRow(name) << path << size;
        QTest::addRow("%s@2x", name) << atTwice(path) << size * 2;
    };
    for (const char *strip : {"minimize", "maximize", "restore", "close", "version"})
        row(strip, QStringLiteral(":/images/%1.png").arg(QLatin1String(strip)), QSize(24, 96));
    row("logo", QStringLiteral(":/images/logo.png"), QSize(128, 128));
    row("checkbox", QStringLiteral(":/images/checkbox.png"), QSize(14, 70));
    row("radiobox", QStringLiteral(":/images/radiobox.png"), QSize(14, 70));
    row("left_top", QStringLiteral(":/images/shadow/left_top.png"), QSize(10, 5));
    row("top", QStringLiteral(":/images/shadow/top.png"), QSize(426, 5));
    row("right_top", QStringLiteral(":/images/shadow/right_top.png"), QSize(10, 5));
    row("left", QStringLiteral(":/images/shadow/left.png"), QSize(10, 250));
    row("right", QStringLiteral(":/images/shadow/right.png"), QSize(10, 250));
    row("left_bottom", QStringLiteral(":/images/shadow/left_bottom.png"), QSize(10, 15));
    row("bottom", QStringLiteral(":/images/shadow/bottom.png"), QSize(426, 15));
    row("right_bottom", QStringLiteral(":/images/shadow/right_bottom.png"), QSize(10, 15));
}

void TestBundle::imagesHaveTheirPixelSizes()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
}

void TestBundle::buttonStripsDrawOneGlyphPerStateColour_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("frame");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QRect>("bounds");  // nothing outside is drawn
    QTest::addColumn<Rects>("inked");   // fully covered, in the state's colour
    QTest::addColumn<Rects>("clear");   // holes inside the bounds
    QTest::addColumn<bool>("antiAliased");
    QTest::addColumn<int>("scale");

    struct Glyph
    {
        const char *name;
        QRect bounds;
        Rects inked;
        Rects clear;
        bool antiAliased;
    };
    Rects closeDiagonals;
    for (int k = 7; k <= 16; ++k)
        closeDiagonals << pixel(k, k) << pixel(k, 23 - k);
    const Glyph glyphs[] = {
        {"minimize", pixels(7, 15, 16, 16), {pixels(7, 15, 16, 16)}, {}, false},
        {"maximize", pixels(7, 7, 16, 16),
         {pixels(7, 7, 16, 9), pixels(7, 16, 16, 16), pixels(7, 7, 7, 16), pixels(16, 7, 16, 16)},
         {pixels(8, 10, 15, 15)}, false},
        {"restore", pixels(7, 7, 16, 16),
         {pixels(7, 10, 14, 11), pixels(7, 16, 14, 16), pixels(7, 10, 7, 16), pixels(14, 10, 14, 16),
          pixels(9, 7, 16, 8), pixels(16, 7, 16, 13), pixels(15, 13, 16, 13), pixels(9, 7, 9, 9)},
         {pixels(8, 12, 13, 15), pixels(10, 9, 15, 9), pixels(15, 10, 15, 12), pixels(7, 7, 8, 9),
          pixels(15, 14, 16, 16)}, false},
        {"close", pixels(7, 7, 16, 16), closeDiagonals,
         {pixels(10, 7, 13, 7), pixels(10, 16, 13, 16), pixels(7, 10, 7, 13), pixels(16, 10, 16, 13)}, true},
        {"version", pixels(5, 4, 18, 19),
         {pixels(5, 4, 18, 4), pixels(5, 17, 18, 17), pixels(5, 4, 5, 18), pixels(18, 4, 18, 18),
          pixels(11, 7, 12, 11), pixels(11, 13, 12, 14), pixels(5, 19, 18, 19)},
         {pixels(6, 5, 10, 16), pixels(13, 5, 17, 16), pixels(11, 5, 12, 6), pixels(11, 12, 12, 12),
          pixels(11, 15, 12, 16), pixels(6, 18, 17, 18)}, false},
    };
    const QColor controlColours[] = {QColor(255, 255, 255), QColor(205, 234, 247),
                                     QColor(70, 146, 182), QColor(121, 197, 233)};
    const QColor versionColours[] = {QColor(255, 255, 255, 255), QColor(255, 255, 255, 153),
                                     QColor(255, 255, 255, 255), QColor(255, 255, 255, 51)};
    const char *states[] = {"normal", "hover", "pressed", "disabled"};
    // At 2x every 1x pixel is a 2x2 block of the same kind.
    const auto twice = [](const QRect &rect) { return QRect(rect.topLeft() * 2, rect.size() * 2); };
    const auto allTwice = [&twice](const Rects &rects) {
        Rects doubled;
        for (const QRect &rect : rects)
            doubled << twice(rect);
        return doubled;
    };
    for (const Glyph &glyph : glyphs) {
        const bool version = qstrcmp(glyph.name, "version") == 0;
        const QString path = QStringLiteral(":/images/%1.png").arg(QLatin1String(glyph.name));
        for (int frame = 0; frame < 4; ++frame) {
            const QColor colour = (version ? versionColours : controlColours)[frame];
            QTest::addRow("%s %s", glyph.name, states[frame]) << path << frame << colour << glyph.bounds
                << glyph.inked << glyph.clear << glyph.antiAliased << 1;
            QTest::addRow("%s@2x %s", glyph.name, states[frame]) << atTwice(path) << frame << colour
                << twice(glyph.bounds) << allTwice(glyph.inked) << allTwice(glyph.clear) << glyph.antiAliased << 2;
        }
    }
}

void TestBundle::buttonStripsDrawOneGlyphPerStateColour()
{
    QFETCH(QString, path);
    QFETCH(int, frame);
    QFETCH(QColor, colour);
    QFETCH(QRect, bounds);
    QFETCH(Rects, inked);
    QFETCH(Rects, clear);
    QFETCH(bool, antiAliased);
    QFETCH(int, scale);

    const int size = 24 * scale;
    const QImage image = load(path).copy(0, frame * size, size, size);
    QCOMPARE(image.size(), QSize(size, size));
    int partial = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QColor found = image.pixelColor(x, y);
            const QByteArray where = QByteArray::number(x) + ',' + QByteArray::number(y);
            if (!bounds.contains(x, y)) {
                QVERIFY2(found.alpha() == 0, where.constData());
                continue;
            }
            if (found.alpha() == 0)
                continue;
            // Edge pixels keep the state's colour and carry less alpha.
            QCOMPARE(found.rgb(), colour.rgb());
            QVERIFY2(found.alpha() <= colour.alpha(), where.constData());
            if (found.alpha() < colour.alpha())
                ++partial;
        }
    }
    QCOMPARE(partial > 0, antiAliased);
    for (const QRect &rect : inked)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                QCOMPARE(image.pixelColor(x, y), colour);
    for (const QRect &rect : clear)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                QCOMPARE(image.pixelColor(x, y).alpha(), 0);
}

void TestBundle::indicatorFramesHaveTheirColours_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("frame");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour"); // alpha ignored, see the range
    QTest::addColumn<int>("minAlpha");
    QTest::addColumn<int>("maxAlpha");
    QTest::addColumn<int>("scale");
    // At 2x a point stands for the pixel of its 2x2 block nearer the frame's edge.
    const auto row = [](const QByteArray &name, const QString &path, int frame, const QPoint &at,
                        const QColor &colour, int minAlpha, int maxAlpha) {
        QTest::newRow(name.constData()) << path << frame << at << colour << minAlpha << maxAlpha << 1;
        const QPoint outer(2 * at.x() + (at.x() >= 7), 2 * at.y() + (at.y() >= 7));
        QTest::newRow((name + " @2x").constData())
            << atTwice(path) << frame << outer << colour << minAlpha << maxAlpha << 2;
    };

    const QString check = QStringLiteral(":/images/checkbox.png");
    const QString radio = QStringLiteral(":/images/radiobox.png");
    const QColor white(255, 255, 255), accent(88, 187, 228), grey(191, 203, 217);
    const QColor disabledFill(244, 247, 251), disabledBorder(236, 240, 244);
    const QColor none(0, 0, 0);

    row("box unchecked inside", check, 0, QPoint(7, 7), white, 255, 255);
    row("box unchecked border", check, 0, QPoint(0, 7), grey, 255, 255);
    row("box unchecked corner", check, 0, QPoint(13, 13), grey, 1, 254);
    row("box checked fill", check, 1, QPoint(10, 11), accent, 255, 255);
    row("box checked corner", check, 1, QPoint(0, 0), accent, 1, 254);
    for (const QPoint &core : {QPoint(3, 7), QPoint(5, 9), QPoint(6, 9), QPoint(11, 4)})
        row(QByteArray("box checked mark ") + QByteArray::number(core.x()) + ',' + QByteArray::number(core.y()),
            check, 1, core, QColor(241, 249, 252), 255, 255);
    row("box hover fill", check, 2, QPoint(10, 11), grey, 255, 255);
    row("box hover mark", check, 2, QPoint(5, 9), QColor(249, 250, 251), 255, 255);
    row("box disabled fill", check, 3, QPoint(7, 7), disabledFill, 255, 255);
    row("box disabled border", check, 3, QPoint(7, 13), disabledBorder, 255, 255);
    row("box disabled checked fill", check, 4, QPoint(10, 11), disabledFill, 255, 255);
    row("box disabled checked mark", check, 4, QPoint(5, 9), QColor(237, 241, 244), 255, 255);
    row("box disabled checked border", check, 4, QPoint(13, 7), disabledBorder, 255, 255);

    row("ring unchecked inside", radio, 0, QPoint(7, 7), none, 0, 0);
    row("ring unchecked ring", radio, 0, QPoint(0, 7), QColor(192, 204, 217), 128, 255);
    row("ring unchecked corner", radio, 0, QPoint(0, 0), none, 0, 0);
    row("ring checked dot", radio, 1, QPoint(7, 7), accent, 255, 255);
    row("ring checked gap", radio, 1, QPoint(2, 7), none, 0, 0);
    row("ring checked ring", radio, 1, QPoint(13, 6), accent, 128, 255);
    row("ring hover dot", radio, 2, QPoint(6, 6), grey, 255, 255);
    row("ring hover ring", radio, 2, QPoint(6, 0), grey, 128, 255);
    row("ring disabled fill", radio, 3, QPoint(2, 7), disabledFill, 255, 255);
    row("ring disabled edge", radio, 3, QPoint(0, 7), QColor(237, 241, 245), 128, 255);
    row("ring disabled checked dot", radio, 4, QPoint(7, 7), disabledBorder, 255, 255);
    row("ring disabled checked fill", radio, 4, QPoint(2, 7), disabledFill, 255, 255);
}

void TestBundle::indicatorFramesHaveTheirColours()
{
    QFETCH(QString, path);
    QFETCH(int, frame);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QFETCH(int, minAlpha);
    QFETCH(int, maxAlpha);
    QFETCH(int, scale);
    const QColor found = load(path).pixelColor(at.x(), frame * 14 * scale + at.y());
    QVERIFY2(found.alpha() >= minAlpha && found.alpha() <= maxAlpha, qPrintable(QString::number(found.alpha())));
    if (found.alpha() > 0)
        QCOMPARE(found.rgb(), colour.rgb());
}

void TestBundle::shadowEdgesFallOffAcrossTheirThickness_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QPoint>("start"); // the pixel that touches the content
    QTest::addColumn<QPoint>("step");  // outwards
    QTest::addColumn<QVector<int>>("alphas");

    const QVector<int> side = {24, 20, 16, 12, 9, 7, 5, 3, 2, 1};
    const QVector<int> top = {7, 5, 3, 2, 1};
    const QVector<int> topEnd = {4, 3, 2, 1, 1};
    const QVector<int> bottom = {43, 40, 36, 32, 28, 24, 20, 16, 12, 9, 7, 5, 3, 2, 1};
    const QVector<int> bottomEnd = {23, 21, 19, 17, 15, 13, 11, 8, 7, 5, 4, 3, 2, 1, 1};
    const QString left = QStringLiteral(":/images/shadow/left.png");
    const QString right = QStringLiteral(":/images/shadow/right.png");

    QTest::newRow("left middle") << left << QPoint(9, 125) << QPoint(-1, 0) << side;
    QTest::newRow("left top end") << left << QPoint(9, 0) << QPoint(-1, 0)
                                  << QVector<int>{4, 4, 3, 2, 2, 1, 1, 1, 1, 0};
    QTest::newRow("left bottom end") << left << QPoint(9, 249) << QPoint(-1, 0)
                                     << QVector<int>{21, 17, 14, 11, 8, 6, 4, 3, 2, 1};
    QTest::newRow("right middle") << right << QPoint(0, 125) << QPoint(1, 0) << side;
    QTest::newRow("top middle") << ":/images/shadow/top.png" << QPoint(213, 4) << QPoint(0, -1) << top;
    QTest::newRow("top first") << ":/images/shadow/top.png" << QPoint(0, 4) << QPoint(0, -1) << topEnd;
    QTest::newRow("top last") << ":/images/shadow/top.png" << QPoint(425, 4) << QPoint(0, -1) << topEnd;
    QTest::newRow("bottom middle") << ":/images/shadow/bottom.png" << QPoint(213, 0) << QPoint(0, 1) << bottom;
    QTest::newRow("bottom first") << ":/images/shadow/bottom.png" << QPoint(0, 0) << QPoint(0, 1) << bottomEnd;
    QTest::newRow("bottom last") << ":/images/shadow/bottom.png" << QPoint(425, 0) << QPoint(0, 1) << bottomEnd;
}

void TestBundle::shadowEdgesFallOffAcrossTheirThickness()
{
    QFETCH(QString, path);
    QFETCH(QPoint, start);
    QFETCH(QPoint, step);
    QFETCH(QVector<int>, alphas);
    const QImage image = load(path);
    QVector<int> found;
    for (QPoint at = start; image.rect().contains(at); at += step)
        found << qAlpha(image.pixel(at));
    QCOMPARE(found, alphas);
}

void TestBundle::shadowEdgesAreConstantBetweenTheirFades_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("left") << ":/images/shadow/left.png" << 15 << 244;
    QTest::newRow("right") << ":/images/shadow/right.png" << 15 << 244;
    QTest::newRow("top") << ":/images/shadow/top.png" << 10 << 415;
    QTest::newRow("bottom") << ":/images/shadow/bottom.png" << 10 << 415;
    QTest::newRow("left@2x") << ":/images/shadow/left@2x.png" << 30 << 489;
    QTest::newRow("right@2x") << ":/images/shadow/right@2x.png" << 30 << 489;
    QTest::newRow("top@2x") << ":/images/shadow/top@2x.png" << 20 << 831;
    QTest::newRow("bottom@2x") << ":/images/shadow/bottom@2x.png" << 20 << 831;
}

// Between the fades every line across the edge is the same; the pixels are
// pure black everywhere, only the alpha varies.
void TestBundle::shadowEdgesAreConstantBetweenTheirFades()
{
    QFETCH(QString, path);
    QFETCH(int, first);
    QFETCH(int, last);
    QImage image = load(path);
    if (image.width() < image.height())
        image = image.transformed(QTransform(0, 1, 1, 0, 0, 0)); // length along x
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            QCOMPARE(image.pixel(x, y) & 0xFFFFFF, 0u);
            if (x >= first && x <= last)
                QCOMPARE(image.pixel(x, y), image.pixel(first, y));
        }
    }
}

void TestBundle::shadowCornersFadeFromTheContentCorner_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("mirror");
    QTest::addColumn<QPoint>("contentCorner");
    QTest::addColumn<int>("peak");
    QTest::newRow("top") << ":/images/shadow/left_top.png" << ":/images/shadow/right_top.png" << QPoint(9, 4) << 3;
    QTest::newRow("bottom") << ":/images/shadow/left_bottom.png" << ":/images/shadow/right_bottom.png"
                            << QPoint(9, 0) << 20;
    QTest::newRow("top@2x") << ":/images/shadow/left_top@2x.png" << ":/images/shadow/right_top@2x.png"
                            << QPoint(19, 9) << 3;
    QTest::newRow("bottom@2x") << ":/images/shadow/left_bottom@2x.png" << ":/images/shadow/right_bottom@2x.png"
                               << QPoint(19, 0) << 20;
}

void TestBundle::shadowCornersFadeFromTheContentCorner()
{
    QFETCH(QString, path);
    QFETCH(QString, mirror);
    QFETCH(QPoint, contentCorner);
    QFETCH(int, peak);
    const QImage image = load(path);
    QCOMPARE(load(mirror), image.mirrored(true, false));
    const QPoint outer(image.width() - 1 - contentCorner.x(), image.height() - 1 - contentCorner.y());
    QCOMPARE(qAlpha(image.pixel(contentCorner)), peak);
    QCOMPARE(qAlpha(image.pixel(outer)), 0);
    // Moving away from the content never darkens.
    const int stepX = outer.x() > contentCorner.x() ? 1 : -1;
    const int stepY = outer.y() > contentCorner.y() ? 1 : -1;
    for (int y = contentCorner.y(); image.rect().contains(0, y); y += stepY) {
        for (int x = contentCorner.x(); image.rect().contains(x, 0); x += stepX) {
            const int alpha = qAlpha(image.pixel(x, y));
            QCOMPARE(image.pixel(x, y) & 0xFFFFFF, 0u);
            if (image.rect().contains(x + stepX, y))
                QVERIFY(qAlpha(image.pixel(x + stepX, y)) <= alpha);
            if (image.rect().contains(x, y + stepY))
                QVERIFY(qAlpha(image.pixel(x, y + stepY)) <= alpha);
        }
    }
}

void TestBundle::twoTimesShadowKeepsTheDarknessOfEachPixel_data()
{
    QTest::addColumn<QString>("path");
    for (const char *edge : {"left", "right", "top", "bottom"})
        QTest::newRow(edge) << QStringLiteral(":/images/shadow/%1.png").arg(QLatin1String(edge));
}

// Across the middle of each edge the 2x fall-off is finer, not enlarged: each
// 1x pixel's pair of 2x pixels holds its darkness, and at least half of the
// pairs are two steps where an enlarged edge would repeat the 1x value.
void TestBundle::twoTimesShadowKeepsTheDarknessOfEachPixel()
{
    QFETCH(QString, path);
    const auto acrossTheMiddle = [](QImage image) {
        if (image.width() > image.height())
            image = image.transformed(QTransform(0, 1, 1, 0, 0, 0)); // thickness along x
        QVector<int> alphas;
        for (int x = 0; x < image.width(); ++x)
            alphas << qAlpha(image.pixel(x, image.height() / 2));
        return alphas;
    };
    const QVector<int> coarse = acrossTheMiddle(load(path));
    const QVector<int> fine = acrossTheMiddle(load(atTwice(path)));
    QCOMPARE(fine.size(), 2 * coarse.size());
    int steps = 0;
    for (int i = 0; i < coarse.size(); ++i) {
        QCOMPARE(fine.at(2 * i) + fine.at(2 * i + 1), 2 * coarse.at(i));
        steps += fine.at(2 * i) != fine.at(2 * i + 1);
    }
    QVERIFY2(steps >= coarse.size() / 2, qPrintable(QString::number(steps)));
}

// One 128x128 32-bit bitmap, bottom-up BGRA, showing the same picture as logo.png.
void TestBundle::iconHoldsTheLogoAsOneUncompressedBitmap()
{
    QFile file(QStringLiteral(":/images/logo.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto u8 = [&](int at) { return quint8(bytes.at(at)); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };

    QCOMPARE(bytes.size(), 6 + 16 + 40 + 128 * 128 * 4 + 128 * 16);
    QCOMPARE(u16(0), quint16(0));
    QCOMPARE(u16(2), quint16(1)); // icon
    QCOMPARE(u16(4), quint16(1)); // one image
    QCOMPARE(u8(6), quint8(128));
    QCOMPARE(u8(7), quint8(128));
    QCOMPARE(u16(12), quint16(32));
    const quint32 size = u32(14);
    const quint32 offset = u32(18);
    QCOMPARE(offset + size, quint32(bytes.size()));
    QCOMPARE(u32(offset), quint32(40));
    QCOMPARE(u32(offset + 4), quint32(128));
    QCOMPARE(u32(offset + 8), quint32(256)); // colour rows and mask rows
    QCOMPARE(u16(offset + 14), quint16(32));
    QCOMPARE(u32(offset + 16), quint32(0)); // uncompressed

    const QImage logo = load(QStringLiteral(":/images/logo.png"));
    const int pixels = int(offset) + 40;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const int at = pixels + ((127 - y) * 128 + x) * 4;
            const QRgb fromIcon = qRgba(u8(at + 2), u8(at + 1), u8(at), u8(at + 3));
            QCOMPARE(fromIcon, logo.pixel(x, y));
        }
    }
}

void TestBundle::sheetIsUtf8WithByteOrderMarkAndCrlf()
{
    QFile file(QStringLiteral(":/stylesheet.css"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(QString::fromUtf8(bytes).toUtf8(), bytes.mid(3)); // valid UTF-8 throughout
    QVERIFY(QString::fromUtf8(bytes).contains(QStringLiteral("font-family:\"微软雅黑\";")));
}

void TestBundle::sheetHasItsRulesAndBanners()
{
    QFile file(QStringLiteral(":/stylesheet.css"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());

    const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                     QRegularExpression::DotMatchesEverythingOption);
    QStringList banners;
    for (auto match = comment.globalMatch(text); match.hasNext();)
        banners << match.next().captured();
    const QString stars = QStringLiteral("************************");
    QStringList expected;
    for (const char *group : {"QCheckBox", "QRadioButton", "QSlider", "QLineEdit", "QTableWidget"})
        expected << QStringLiteral("/%1%2**************************/").arg(stars, QLatin1String(group));
    QCOMPARE(banners, expected);

    // Selectors in file order, with balanced braces around each rule.
    QString rules = text;
    rules.remove(comment);
    QStringList selectors;
    int at = 0;
    for (int open; (open = rules.indexOf(QLatin1Char('{'), at)) >= 0;) {
        const int close = rules.indexOf(QLatin1Char('}'), open);
        QVERIFY(close > open);
        QVERIFY(rules.indexOf(QLatin1Char('{'), open + 1) < 0 || rules.indexOf(QLatin1Char('{'), open + 1) > close);
        selectors << rules.mid(at, open - at).trimmed();
        at = close + 1;
    }
    QCOMPARE(rules.mid(at).trimmed(), QString());
    // One rule of our own after the title-bar buttons: keyboard focus on them
    // would otherwise not show.
    QCOMPARE(selectors.size(), 68);
    QCOMPARE(selectors.at(0), QStringLiteral("QWidget"));
    QCOMPARE(selectors.at(1), QStringLiteral("#frameTitle"));
    QCOMPARE(selectors.at(22), QStringLiteral("QToolButton#toolButton_max[maximizeProperty=true]"));
    QCOMPARE(selectors.at(32), QStringLiteral("#frameTitle QToolButton:focus"));
    QCOMPARE(selectors.at(33), QStringLiteral("QCheckBox"));
    QCOMPARE(selectors.at(43), QStringLiteral("QRadioButton::indicator"));
    QCOMPARE(selectors.at(52), QStringLiteral("QSlider::horizontal"));
    QCOMPARE(selectors.at(61), QStringLiteral("QLineEdit"));
    QCOMPARE(selectors.at(65), QStringLiteral("QTableWidget"));
    QCOMPARE(selectors.at(67), QStringLiteral("QTableWidget QHeaderView::section"));
    // Each banner heads its group.
    for (int group = 0; group < expected.size(); ++group) {
        const QString after = text.mid(text.indexOf(expected.at(group)) + expected.at(group).size()).trimmed();
        QVERIFY(after.startsWith(selectors.at(QVector<int>{33, 43, 52, 61, 65}.at(group))));
    }
}

QTEST_MAIN(TestBundle)
#include "tst_bundle.moc"
