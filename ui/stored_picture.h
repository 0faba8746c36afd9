#pragma once

#include <QImage>
#include <QString>

namespace tarvelle::ui {

// A picture that the build stored in the resources as raw pixels (by
// tools/raw_picture), so that start-up needs no image decoder and no copy: a
// read-only image over the resource's memory, or a null image if the resource is
// missing or not such a picture.
QImage storedPicture(const QString& resource);

}  // namespace tarvelle::ui
