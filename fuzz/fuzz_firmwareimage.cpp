// Feeds arbitrary bytes to the firmware-image reader. Whatever it accepts must hold its six parts
// inside the file, so that cutting the image into parts never reads beyond its end, and a main
// part that is not empty.
#include "constants.h"
#include "firmwareimagelayout.h"
#include "firmwareimagereader.h"
#include "utility.h"

#include <QByteArray>
#include <QDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void requirePartsInside(const QByteArray &image)
{
    qint64 header = 0;
    for (int part = 0; part < FirmwareImageLayout::partCount; ++part) {
        if (header + 16 > image.size())
            std::abort();
        const qint64 size = Utility::UInt8ToInt32(QByteArrayView(image).sliced(header + 12, 4));
        if (size < 0 || header + 16 + size > image.size())
            std::abort();
        // An image without a main part would leave the keyboard without its application.
        if (part == FirmwareImageLayout::mainPart && size == 0)
            std::abort();
        header += 16 + (size + 15) / 16 * 16;
    }
}

} // namespace

// Log lines of the run go to a folder of its own, emptied at the start of every run.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const QString logs = QDir::tempPath() + "/keymap-fuzz_firmwareimage-logs/";
    QDir(logs).removeRecursively();
    Constants::setLogDirectoryForTesting(logs);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<FirmDataEntity> image = FirmwareImageReader::read(bytes, "fuzz.bin");
    if (image)
        requirePartsInside(image->firmRawDataDic);
    return 0;
}
