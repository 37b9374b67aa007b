#pragma once

#include <QImage>
#include <QString>

// Writes image into the build's screenshots folder as fileName, which may name a folder of its
// own inside it, for review by eye.
bool saveReviewImage(const QImage &image, const QString &fileName);
