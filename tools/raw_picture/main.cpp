// Converts one image of a picture file, decoded by Qt's own readers, into a form
// that needs no decoding: PNG for the desktop's icon theme, or the raw pixels that
// the program maps straight from its resources (see ui/stored_picture.h).
//   usage: raw_picture FILE SIZE OUT.png|OUT.argb
// SIZE picks the image of that width in a file that holds several (an icon); of two
// images of one width the last, the one with the most colours, is taken.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>

namespace {

bool writeRaw(const QImage& image, const QString& path)
{
    // "TARGB" padded to 8 bytes, width and height as 32-bit little-endian numbers,
    // then the rows of premultiplied ARGB32 pixels.
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray header("TARGB\0\0\0", 8);
    for (quint32 value : {quint32(pixels.width()), quint32(pixels.height())})
        for (int shift = 0; shift < 32; shift += 8)
            header.append(char((value >> shift) & 0xff));
    out.write(header);
    for (int y = 0; y < pixels.height(); ++y)
        out.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return out.error() == QFile::NoError;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fputs("usage: raw_picture FILE SIZE OUT.png|OUT.argb\n", stderr);
        return 2;
    }
    const int size = args[2].toInt();
    QImageReader reader(args[1]);
    QImage chosen;
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.width() == size)
            chosen = image;
    }
    if (chosen.isNull()) {
        std::fprintf(stderr, "raw_picture: no image %d pixels wide in %s\n", size, qPrintable(args[1]));
        return 1;
    }
    QDir().mkpath(QFileInfo(args[3]).path());
    const bool written = args[3].endsWith(QLatin1String(".argb"))
                             ? writeRaw(chosen, args[3])
                             : chosen.convertToFormat(QImage::Format_ARGB32).save(args[3], "PNG");
    if (!written) {
        std::fprintf(stderr, "raw_picture: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
