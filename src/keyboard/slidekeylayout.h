#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

// The eight slide keys as the slide-key asset lays them out, in panel order: two keys per
// gesture pad (keys 2i and 2i + 1 beside pad i), each with its box. Refuses an asset of another
// key count, so that a broken installation is reported instead of drawn wrongly.
class SlideKeyLayout
{
public:
    static constexpr int keyCount = 8;

    // Takes the frames read from assetName, one per slide key in panel order. Throws
    // Exceptions::EnvironmentBrokenException naming the asset when it holds another number of
    // keys than eight or a key without its whole box.
    static SlideKeyLayout load(const QString &assetName, const QList<QList<double>> &frames);

    // The keys' boxes in panel order, origin at the bottom left of the slide-key panel.
    const QList<QRectF> &frames() const { return m_frames; }

    // The key numbers of the slide keys in panel order: the numbers from 82 upwards that the
    // slide-and-tap area's skip table leaves.
    static const QList<int> &keyNumbers();
    // The panel position (0 to 7) of the slide key with that number; none for any other number.
    static std::optional<int> position(int keyNumber);
    // The gesture pad (0 SideLeft to 3 SideRight) beside the slide key at position.
    static int padIndex(int position) { return position / 2; }

private:
    QList<QRectF> m_frames;
};
