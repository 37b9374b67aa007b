#include "firmwareimagelayout.h"

namespace {

constexpr qint64 sizeFieldOffset = 12;

// A part's data padded to the next multiple of 16 bytes, where the next part's header starts.
qint64 paddedSize(qint64 size)
{
    return (size + 15) / 16 * 16;
}

quint8 byteAt(const QByteArray &image, qint64 offset)
{
    return offset < image.size() ? quint8(image[offset]) : 0;
}

} // namespace

QList<qint64> FirmwareImageLayout::partSizes(const QByteArray &image)
{
    QList<qint64> sizes;
    qint64 header = 0;
    for (int part = 0; part < partCount; ++part) {
        qint64 size = 0;
        for (int k = 0; k < 4; ++k)
            size = size << 8 | byteAt(image, header + sizeFieldOffset + k);
        sizes.append(size);
        header += partHeaderSize + paddedSize(size);
    }
    return sizes;
}

QList<qint64> FirmwareImageLayout::dataPositions(const QList<qint64> &sizes)
{
    QList<qint64> positions;
    qint64 position = partHeaderSize;
    for (int part = 0; part < partCount; ++part) {
        positions.append(position);
        position += paddedSize(sizes[part]) + partHeaderSize;
    }
    return positions;
}
