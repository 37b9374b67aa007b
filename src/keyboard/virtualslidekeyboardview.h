#pragma once

#include "imageview.h"
#include "slidehintanimation.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <array>

class GesturePadButton;
class QLabel;
class SlideHintView;
class VirtualSlideSqareKeyView;

// The slide-key panel: its picture with a plate for each gesture pad, the pictures of the four
// pads with their captions and on/off switches, the eight slide keys beside them, and the slide
// hint over the picture of the pad it shows.
class VirtualSlideKeyboardView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int padCount = 4;

    explicit VirtualSlideKeyboardView(QWidget *parent = nullptr);
    ~VirtualSlideKeyboardView() override;

    // Shows the panel's picture in the theme's colour and places keyViews, one per frame (y
    // upwards in the panel) with that colour's corner radius, numbered 0 upwards. Slide keys of
    // an earlier drawing belong to their controllers, which remove them.
    void drawSlideKeyboard(const QList<QRectF> &frameRects,
                           const QList<VirtualSlideSqareKeyView *> &keyViews);

    const QString &backgroundImage() const { return m_backgroundImageView->imageName(); }
    // Pad padIndex's picture, caption and switch (0 SideLeft, 1 FrontLeft, 2 FrontRight,
    // 3 SideRight).
    ImageView *gesturePadImage(int padIndex) const { return m_padImages.at(padIndex); }
    QLabel *caption(int padIndex) const { return m_captions.at(padIndex); }
    GesturePadButton *gesturePadButton(int padIndex) const { return m_padButtons.at(padIndex); }

    // The hint the slide keys play; it repeats while its timer is set and stops with the panel.
    SlideHintAnimation &slideHint() { return m_slideHint; }
    const SlideHintAnimation &slideHint() const { return m_slideHint; }

private:
    void addPad(int padIndex);
    void addAllSlideKeys(const QList<QRectF> &frameRects,
                         const QList<VirtualSlideSqareKeyView *> &keyViews);
    // Puts the hint's drawing over the picture of its pad, or hides it.
    void showSlideHint();

    SlideHintAnimation m_slideHint;
    // The panel's picture, below everything added later.
    ImageView *m_backgroundImageView = nullptr;
    std::array<ImageView *, padCount> m_padImages{};
    std::array<QLabel *, padCount> m_captions{};
    std::array<GesturePadButton *, padCount> m_padButtons{};
    SlideHintView *m_hintView = nullptr;
};
