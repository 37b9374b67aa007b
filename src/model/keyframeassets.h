#pragma once

#include <QList>
#include <QString>

// The key-frame data assets of the application's resources ("English_position_black",
// "Slide_position", "Japanese_assign_position" and the others the drawing tables name): one list
// of numbers per key, in the order the keys are drawn, with the origin at the bottom left.
class KeyFrameAssets
{
public:
    // resourceRoot ends in "/"; an asset is its file "<name>.json".
    explicit KeyFrameAssets(QString resourceRoot);

    // The asset's lists in order, read anew; every list holds at least x, y, width and height
    // (an L-shaped key holds its outline after them). Throws
    // Exceptions::EnvironmentBrokenException:
    // "<name> is not found" for an asset that is missing or larger than resources may be,
    // "Can't read <name>" for one that is not a JSON array of arrays of numbers, and
    // "Can't read key frame <index> of <name>" for a list of fewer than four numbers.
    QList<QList<double>> load(const QString &assetName) const;

private:
    const QString m_resourceRoot;
};
