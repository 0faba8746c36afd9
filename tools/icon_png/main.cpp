// Writes the image of one size from an icon file as PNG, for the desktop's icon theme.
//   usage: icon_png ICON SIZE OUT.png

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fputs("usage: icon_png ICON SIZE OUT.png\n", stderr);
        return 2;
    }
    const int size = args[2].toInt();
    QImageReader reader(args[1]);
    // The colour image of that size: the one with the most colours comes last.
    QImage chosen;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.width() == size)
            chosen = image;
    }
    if (chosen.isNull()) {
        std::fprintf(stderr, "icon_png: no %d-pixel image in %s\n", size, qPrintable(args[1]));
        return 1;
    }
    QDir().mkpath(QFileInfo(args[3]).path());
    if (!chosen.convertToFormat(QImage::Format_ARGB32).save(args[3], "PNG")) {
        std::fprintf(stderr, "icon_png: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
