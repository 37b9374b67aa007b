#pragma once

#include "backgroundcolors.h"
#include "drawinginfo.h"
#include "keyboardcolorholder.h"

#include <QColor>
#include <QString>

// Image names and hint-animation colours of the slide keys and gesture pads.
class SlideKeyConfig : public KeyboardColorHolder
{
public:
    QString backgroundImage() const
    {
        return DrawingInfo::virtualSlideKey().backgroundImage.of(keyboardColorType());
    }
    QString sideLeftImage() const
    {
        return DrawingInfo::virtualSlideKey().sideImage.of(keyboardColorType()).sideLeftImage;
    }
    QString sideRightImage() const
    {
        return DrawingInfo::virtualSlideKey().sideImage.of(keyboardColorType()).sideRightImage;
    }
    QString frontLeftImage() const
    {
        return DrawingInfo::virtualSlideKey().sideImage.of(keyboardColorType()).frontLeftImage;
    }
    QString frontRightImage() const
    {
        return DrawingInfo::virtualSlideKey().sideImage.of(keyboardColorType()).frontRightImage;
    }
    QColor circleFillColor() const
    {
        return BackgroundColors::slideAnimation().of(keyboardColorType()).circleFillColor;
    }
    QColor circleStrokerColor() const
    {
        return BackgroundColors::slideAnimation().of(keyboardColorType()).circleStrokerColor;
    }
    QColor lineFillColor() const
    {
        return BackgroundColors::slideAnimation().of(keyboardColorType()).lineFillColor;
    }
    QColor lineStrokerColor() const
    {
        return BackgroundColors::slideAnimation().of(keyboardColorType()).lineStrokerColor;
    }
};
