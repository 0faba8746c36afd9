#include "ui/stored_picture.h"

#include <QResource>

#include <cstring>

namespace tarvelle::ui {
namespace {

constexpr qint64 headerSize = 16;

quint32 littleEndian32(const uchar* bytes)
{
    return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 | quint32(bytes[3]) << 24;
}

}  // namespace

QImage storedPicture(const QString& resource)
{
    const QResource stored(resource);
    const uchar* data = stored.data();
    if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression || stored.size() < headerSize ||
        std::memcmp(data, "TARGB\0\0\0", 8) != 0)
        return {};
    const quint32 width = littleEndian32(data + 8);
    const quint32 height = littleEndian32(data + 12);
    if (width == 0 || height == 0 || width > 1024 || height > 1024 ||
        stored.size() != headerSize + qint64(width) * height * 4)
        return {};
    // The pixels are used where they lie in the program's resources when they are
    // aligned as the image needs them (they are when every stored picture's size is a
    // multiple of 4 bytes); otherwise they are copied.
    const uchar* pixels = data + headerSize;
    const QImage inPlace(pixels, int(width), int(height), int(width * 4), QImage::Format_ARGB32_Premultiplied);
    return reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0 ? inPlace : inPlace.copy();
}

}  // namespace tarvelle::ui
