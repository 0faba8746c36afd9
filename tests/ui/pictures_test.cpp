#include "qt_test_main.h"
#include "ui/stored_picture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

namespace {

const QColor black(0, 0, 0), blue(0, 0, 255), green(0, 0x84, 0), red(255, 0, 0), white(255, 255, 255);

// One thing to find in a diagram.
struct Check {
    enum Kind {
        Filled,  // every pixel of the area has the colour
        Extent,  // the pixels of the colour within `search` fill exactly `area`'s bounding box
    };
    const char* what;
    Kind kind;
    QColor colour;
    QRect area;
    QRect search = {};
};

QRect span(int x0, int y0, int x1, int y1) { return QRect(QPoint(x0, y0), QPoint(x1, y1)); }
Check vertical(const char* what, int x, int y0, int y1) { return {what, Check::Filled, blue, span(x, y0, x, y1)}; }
Check horizontal(const char* what, int x0, int x1, int y, QColor colour = green)
{
    return {what, Check::Filled, colour, span(x0, y, x1, y)};
}
Check extent(const char* what, QColor colour, QRect area, QRect search) { return {what, Check::Extent, colour, area, search}; }

// A dimension line from x0 to x1 on row y, broken around the letter at
// letterLeft–letterRight with `gap` white pixels on each side, with an open
// arrowhead of two 3-pixel strokes at 45° at each end.
QList<Check> dimension(int x0, int x1, int y, int letterLeft, int letterRight, int gap)
{
    QList<Check> checks{
        horizontal("dimension line, left part", x0, letterLeft - gap - 1, y),
        horizontal("dimension line, right part", letterRight + gap + 1, x1, y),
        horizontal("gap before the letter", letterLeft - gap, letterLeft - 1, y, white),
        horizontal("gap after the letter", letterRight + 1, letterRight + gap, y, white),
    };
    for (int step = 1; step <= 3; ++step) {
        for (int x : {x0 + step, x1 - step}) {
            checks << Check{"arrowhead stroke", Check::Filled, green, QRect(x, y - step, 1, 1)}
                   << Check{"arrowhead stroke", Check::Filled, green, QRect(x, y + step, 1, 1)};
        }
    }
    return checks;
}

// The letters, 9 pixels tall.
const char* const capitalD[] = {"####..", "#...#.", "#....#", "#....#", "#....#", "#....#", "#....#", "#...#.", "####.."};
const char* const smallD[] = {"....#", "....#", "....#", ".####", "#...#", "#...#", "#...#", "#...#", ".####"};

struct Letter {
    const char* const* glyph;
    QPoint topLeft;
};

struct Diagram {
    const char* resource;
    QSize size;
    QList<Check> checks;
    QList<Letter> letters;
};

QList<Diagram> diagrams()
{
    const QRect upper(0, 0, 92, 86);
    return {
        {":/tarvelle/pictures/two_wire.gif", {145, 83},
         QList<Check>{
             extent("left conductor", black, span(9, 28, 33, 52), span(0, 20, 70, 82)),
             extent("right conductor", black, span(111, 28, 135, 52), span(72, 20, 144, 82)),
             horizontal("left conductor's middle row", 9, 33, 40, black),
             vertical("extension line of D, left", 21, 8, 27),
             vertical("extension line of D, right", 123, 8, 27),
             horizontal("above the extension lines", 21, 21, 7, white),
             vertical("extension line of d, left", 8, 40, 73),
             vertical("extension line of d, right", 34, 40, 73),
         } + dimension(22, 122, 14, 70, 75, 3) + dimension(9, 33, 66, 19, 23, 3),
         {{capitalD, {70, 9}}, {smallD, {19, 60}}}},
        {":/tarvelle/pictures/square_coax.gif", {92, 136},
         QList<Check>{
             extent("outer conductor", black, span(7, 7, 83, 83), upper),
             horizontal("left wall", 7, 11, 45, black),
             horizontal("opening", 12, 31, 45, white),
             horizontal("right wall", 79, 83, 45, black),
             extent("inner conductor", black, span(33, 32, 58, 57), span(13, 13, 77, 77)),
             vertical("extension line of d, left", 32, 44, 105),
             vertical("extension line of d, right", 59, 44, 105),
             vertical("extension line of D, left", 12, 71, 127),
             vertical("extension line of D, right", 78, 71, 127),
             horizontal("bottom wall", 13, 31, 81, black),
         } + dimension(33, 58, 100, 43, 47, 2) + dimension(13, 77, 122, 43, 48, 3),
         {{smallD, {43, 94}}, {capitalD, {43, 117}}}},
        {":/tarvelle/pictures/round_coax.gif", {92, 136},
         QList<Check>{
             extent("outer conductor", black, span(7, 6, 84, 83), upper),
             horizontal("ring, left, where it is widest", 7, 11, 44, black),
             horizontal("ring, right, where it is widest", 80, 84, 44, black),
             horizontal("inside the ring", 12, 30, 44, white),
             extent("inner conductor", black, span(31, 31, 60, 60), span(25, 25, 66, 66)),
             vertical("extension line of d, left", 30, 45, 103),
             vertical("extension line of d, right", 61, 45, 103),
             vertical("extension line of D, left", 12, 45, 126),
             vertical("extension line of D, right", 79, 45, 126),
         } + dimension(31, 60, 99, 43, 47, 2) + dimension(13, 78, 121, 43, 48, 3),
         {{smallD, {43, 93}}, {capitalD, {43, 116}}}},
    };
}

QRect extentOf(const QImage& image, const QColor& colour, const QRect& search)
{
    QRect found;
    for (int y = search.top(); y <= search.bottom(); ++y)
        for (int x = search.left(); x <= search.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                found |= QRect(x, y, 1, 1);
    return found;
}

QByteArray bytesOf(const QString& resource)
{
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Little-endian fields of a file, read byte by byte.
quint32 le(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes.at(at + i));
    return value;
}
int le16(const QByteArray& bytes, int at) { return int(le(bytes, at, 2)); }
quint32 le32(const QByteArray& bytes, int at) { return le(bytes, at, 4); }

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void diagramFileFormat()
    {
        for (const Diagram& diagram : diagrams()) {
            const QByteArray gif = bytesOf(QString::fromUtf8(diagram.resource));
            QVERIFY2(gif.startsWith("GIF89a"), diagram.resource);
            QCOMPARE(le16(gif, 6), diagram.size.width());
            QCOMPARE(le16(gif, 8), diagram.size.height());
            QCOMPARE(quint8(gif[10]), quint8(0xf7));  // 256-entry global table, 8-bit, not sorted
            QCOMPARE(quint8(gif[11]), quint8(0));
            QCOMPARE(quint8(gif[12]), quint8(0));
            const int descriptor = 13 + 3 * 256;
            QCOMPARE(quint8(gif[descriptor]), quint8(0x2c));  // an image, no extension block before it
            QCOMPARE(le16(gif, descriptor + 1), 0);
            QCOMPARE(le16(gif, descriptor + 3), 0);
            QCOMPARE(le16(gif, descriptor + 5), diagram.size.width());
            QCOMPARE(le16(gif, descriptor + 7), diagram.size.height());
            QCOMPARE(quint8(gif[descriptor + 9]), quint8(0));  // no local table, not interlaced
            QCOMPARE(quint8(gif[descriptor + 10]), quint8(8));  // LZW minimum code size
            QVERIFY(gif.endsWith(QByteArray("\x00\x3b", 2)));
            QVERIFY(!gif.contains("\x21\xf9"));  // no transparency
            // The colour table: the five colours, then white.
            const QList<QColor> table{black, blue, green, red, white};
            for (int i = 0; i < 256; ++i) {
                const QColor entry(quint8(gif[13 + 3 * i]), quint8(gif[14 + 3 * i]), quint8(gif[15 + 3 * i]));
                QCOMPARE(entry, i < table.size() ? table[i] : white);
            }
        }
    }

    void diagramDrawing()
    {
        for (const Diagram& diagram : diagrams()) {
            QImageReader reader(QString::fromUtf8(diagram.resource));
            QCOMPARE(reader.imageCount(), 1);
            const QImage image = reader.read();
            QCOMPARE(image.size(), diagram.size);
            for (const Check& check : diagram.checks) {
                const QString where = QStringLiteral("%1: %2").arg(diagram.resource, check.what);
                if (check.kind == Check::Extent) {
                    QCOMPARE(extentOf(image, check.colour, check.search), check.area);
                    continue;
                }
                for (int y = check.area.top(); y <= check.area.bottom(); ++y)
                    for (int x = check.area.left(); x <= check.area.right(); ++x)
                        QVERIFY2(image.pixelColor(x, y) == check.colour,
                                 qPrintable(QStringLiteral("%1 at (%2, %3)").arg(where).arg(x).arg(y)));
            }
            for (const Letter& letter : diagram.letters) {
                const int width = int(qstrlen(letter.glyph[0]));
                for (int y = 0; y < 9; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const QColor expected = letter.glyph[y][x] == '#' ? red : white;
                        QCOMPARE(image.pixelColor(letter.topLeft + QPoint(x, y)), expected);
                    }
                }
                QCOMPARE(extentOf(image, red, QRect(letter.topLeft - QPoint(3, 3), QSize(width + 6, 15))),
                         QRect(letter.topLeft, QSize(width, 9)));
            }
            QSet<QRgb> used;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    used.insert(image.pixel(x, y));
            QCOMPARE(used.size(), 5);
        }
    }

    // The window shows the pictures from raw pixels stored at build time: they must
    // be the drawn pictures exactly.
    void storedPicturesAreTheDrawnOnes()
    {
        const struct {
            const char* drawn;
            int index;
            const char* stored;
        } pictures[] = {
            {":/tarvelle/pictures/two_wire.gif", 0, ":/tarvelle/raw/two_wire.argb"},
            {":/tarvelle/pictures/square_coax.gif", 0, ":/tarvelle/raw/square_coax.argb"},
            {":/tarvelle/pictures/round_coax.gif", 0, ":/tarvelle/raw/round_coax.argb"},
            {":/tarvelle/pictures/wand.ico", 0, ":/tarvelle/raw/wand_32.argb"},
            {":/tarvelle/pictures/wand.ico", 1, ":/tarvelle/raw/wand_16.argb"},
            {":/tarvelle/pictures/eraser.ico", 0, ":/tarvelle/raw/eraser_32.argb"},
            {":/tarvelle/pictures/eraser.ico", 1, ":/tarvelle/raw/eraser_16.argb"},
            {":/tarvelle/tarvelle.ico", 1, ":/tarvelle/raw/tarvelle_32.argb"},
            {":/tarvelle/tarvelle.ico", 2, ":/tarvelle/raw/tarvelle_16.argb"},
        };
        for (const auto& [drawn, index, stored] : pictures) {
            QImageReader reader(QString::fromUtf8(drawn));
            if (index > 0)
                QVERIFY(reader.jumpToImage(index));
            const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QImage actual = tarvelle::ui::storedPicture(QString::fromUtf8(stored));
            QVERIFY2(!actual.isNull(), stored);
            QVERIFY2(actual == expected, stored);
        }
        QVERIFY(tarvelle::ui::storedPicture(":/tarvelle/pictures/wand.ico").isNull());
        QVERIFY(tarvelle::ui::storedPicture(":/tarvelle/raw/missing.argb").isNull());
    }

    void icons_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<QList<int>>("depths");
        QTest::addColumn<int>("colours");  // distinct colours used by the largest colour image
        QTest::newRow("wand") << ":/tarvelle/pictures/wand.ico" << QList{32, 16} << QList{4, 4} << 4;
        QTest::newRow("eraser") << ":/tarvelle/pictures/eraser.ico" << QList{32, 16} << QList{4, 4} << 8;
        QTest::newRow("application") << ":/tarvelle/tarvelle.ico" << QList{32, 32, 16} << QList{1, 4, 4} << 5;
    }
    void icons()
    {
        QFETCH(QString, resource);
        QFETCH(QList<int>, sizes);
        QFETCH(QList<int>, depths);
        QFETCH(int, colours);
        const QByteArray ico = bytesOf(resource);
        QCOMPARE(le16(ico, 2), 1);
        QCOMPARE(le16(ico, 4), sizes.size());
        QImageReader reader(resource);
        QCOMPARE(reader.imageCount(), sizes.size());
        for (int i = 0; i < sizes.size(); ++i) {
            const int entry = 6 + 16 * i;
            QCOMPARE(int(quint8(ico[entry])), sizes[i]);
            QCOMPARE(int(quint8(ico[entry + 1])), sizes[i]);
            QCOMPARE(le16(ico, entry + 6), depths[i]);
            const int offset = int(le32(ico, entry + 12));
            QCOMPARE(le32(ico, offset), 40u);  // BITMAPINFOHEADER
            QCOMPARE(int(le32(ico, offset + 8)), 2 * sizes[i]);
            QCOMPARE(le16(ico, offset + 14), depths[i]);
            if (depths[i] == 4) {
                const QRgb standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                           0x008080, 0x808080, 0xc0c0c0, 0xff0000, 0x00ff00, 0xffff00,
                                           0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};
                for (int c = 0; c < 16; ++c)
                    QCOMPARE(le32(ico, offset + 40 + 4 * c), quint32(standard[c]));
            }

            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(sizes[i], sizes[i]));
            const int last = sizes[i] - 1;
            for (QPoint corner : {QPoint(last, 0), QPoint(0, last)})
                QCOMPARE(qAlpha(image.pixel(corner)), 0);
            QSet<QRgb> used;
            int opaque = 0;
            for (int y = 0; y <= last; ++y) {
                for (int x = 0; x <= last; ++x) {
                    if (qAlpha(image.pixel(x, y)) == 255) {
                        ++opaque;
                        used.insert(image.pixel(x, y));
                    } else {
                        QCOMPARE(qAlpha(image.pixel(x, y)), 0);
                    }
                }
            }
            QVERIFY(opaque > sizes[i] * sizes[i] / 8);
            if (i == 0 && depths[i] == 4)
                QCOMPARE(used.size(), colours);
            if (depths[i] == 1)
                QCOMPARE(used.size(), 2);
        }
    }
};

TARVELLE_QT_TEST_MAIN(PicturesTest)
#include "pictures_test.moc"
