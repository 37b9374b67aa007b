#pragma once

#include "imageview.h"

// The pointing stick's mark on the drawn keyboard: while the pointer rests on it, the page that
// holds the keyboard shows the leader line from the pointing-stick panel to it. Clicks on it are
// the keyboard's.
class PointImageView : public ImageView
{
    Q_OBJECT

public:
    explicit PointImageView(const QString &imageName, QWidget *parent = nullptr);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setPointLayerHidden(bool hidden) const;
};
