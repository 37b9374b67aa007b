#include "reviewimage.h"

#include <QDir>
#include <QFileInfo>

bool saveReviewImage(const QImage &image, const QString &fileName)
{
    const QFileInfo file(QStringLiteral(KEYMAP_SCREENSHOT_DIR "/") + fileName);
    return file.dir().mkpath(QStringLiteral(".")) && image.save(file.filePath());
}
