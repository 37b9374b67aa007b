#pragma once

#include "constants.h"
#include "emulatedfirmwarestate.h"
#include "enumerations.h"
#include "profilelistdataentity.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// What an emulated keyboard holds, as its own memory would: identity, firmware versions,
// settings and the four profiles of keymaps. Tests set any part of it before a run and read it
// back afterwards.
struct EmulatedKeyboardState
{
    // One profile: four layers of 120 usage IDs of two bytes, high byte first.
    static constexpr int profileSize = 960;

    // A keyboard of the type number whose profiles are the factory keymaps of its layout when
    // the resources hold them, and all zero otherwise.
    static EmulatedKeyboardState plausible(const QString &typeNumber = QStringLiteral("KX-QR320B"));

    void setProfiles(const ProfileListDataEntity &profileList);
    QList<qint32> layer(int profile, FnMode mode) const;

    int vendorId = Constants::tavoVendorId;
    int productId = 0x0015;
    // The texts of the four identity requests, sent as UTF-8 in 27 bytes.
    QString productName = QStringLiteral("DARA Vivuza");
    QString revision = QStringLiteral("A1");
    QString typeNumber = QStringLiteral("KX-QR320B");
    QString serial = QStringLiteral("TV20260001");
    // Four ASCII digits: "0105" is the version 01.05.
    QByteArray appVersion = "0105";
    quint8 bootVersion = 0x07;
    std::array<bool, 6> dipSwitch{};
    // a, s1, s2, b and whether the stick is on.
    std::array<quint8, 5> pointingStick{0x01, 0x01, 0x00, 0x0A, 0x01};
    // Per pad, SideLeft first: e (on), g1, g2, c.
    std::array<std::array<quint8, 4>, 4> gesturePads{{{0x01, 0x00, 0x00, 0x01},
                                                      {0x01, 0x00, 0x00, 0x01},
                                                      {0x01, 0x00, 0x00, 0x01},
                                                      {0x01, 0x00, 0x00, 0x01}}};
    int selectedProfile = 0;
    std::array<QByteArray, 4> profiles{QByteArray(profileSize, '\0'), QByteArray(profileSize, '\0'),
                                       QByteArray(profileSize, '\0'),
                                       QByteArray(profileSize, '\0')};
    EmulatedFirmwareState firmware;
};
