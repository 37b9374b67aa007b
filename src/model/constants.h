#pragma once

#include <QList>
#include <QString>

// The fixed tables several parts of the program share. Each is built once and never changed.
struct Constants
{
    Constants() = delete;

    static constexpr double scrollerWidth = 15.0;

    // The folder of the daily log files; ends in "/". Tests point it elsewhere.
    static QString logDirectory();
    static void setLogDirectoryForTesting(const QString &directory);

    // The keyboard's USB vendor ID: a placeholder until the maker's is known (see README).
    static constexpr int tavoVendorId = 0x1234;
    // USB product IDs, tried in this order.
    inline static const QList<int> tavoProductIds{0x0015, 0x0016};
    inline static const QList<QString> tavoTypeNumbers{
        "KX-QR300B", "KX-QR320B", "KX-QR300B-EM", "KX-QR320B-EM", "KX-QR300B-PPM", "KX-QR320B-PPM",
        "KX-QR300Y", "KX-QR320Y", "KX-QR300Y-EM", "KX-QR320Y-EM", "KX-QR300Y-PPM", "KX-QR320Y-PPM"};
    inline static const QList<QString> typeNumberSuffixes{"-PPM", "-EM"};
    // The text "MAIN" that every firmware image starts with.
    inline static const QList<quint8> fwPrefixdata{0x4D, 0x41, 0x49, 0x4E};

    // Factory settings of the pointing stick and the gesture pads.
    inline static const QList<quint8> defaultPointingStickData{0x01, 0x01, 0x00, 0x0A, 0x00};
    inline static const QList<quint8> defaultGesturePadData{0x01, 0x00, 0x00, 0x01};

    static const QList<qint32> deviceUsageIds;
    static const QList<qint32> unSupportKeyInSlide;

    // Key numbers absent from a layout, by DIP switch 5.
    static const QList<int> skipKeyInEnglish;
    static const QList<int> skipKeyInEnglishDip5On;
    static const QList<int> skipKeyInJapan;
    static const QList<int> skipKeyInJapanDip5ON;
    static const QList<int> skipKeyInSlideAndTap;

    // Key numbers behind the qwerty palette's keys, in palette order.
    static const QList<int> keyPositionInEnPhysicalKeyboard;
    static const QList<int> keyPositionInEnPhysicalKeyboardDip5On;
    static const QList<int> keyPositionInJPPhysicalKeyboard;
    static const QList<int> keyPositionInJPPhysicalKeyboardDip5On;
    inline static const QList<int> slideAndTapPositionInPhysicalKeyboard{86,  87,  101, 102,
                                                                         108, 109, 116, 117};

    // Palette key positions whose legend is aligned left or right; the others are centred.
    inline static const QList<int> JPKeyAlignmentIsLeft{0, 14, 28, 42, 56};
    inline static const QList<int> JPKeyAlignmentIsRight{13, 54};
    inline static const QList<int> EnKeyAlignmentIsLeft{0, 15, 29, 42, 56};
    inline static const QList<int> EnKeyAlignmentIsRight{28, 41, 53, 54, 58};
};
