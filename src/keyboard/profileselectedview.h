#pragma once

#include "profiletilestate.h"

#include <QWidget>

class ImageView;
class QLabel;

// The profile tile: the name of the shown profile and the drop-down arrow on a rounded tile. A
// click opens or closes the page's profile list.
class ProfileSelectedView : public QWidget, public ProfileTileState
{
    Q_OBJECT

public:
    explicit ProfileSelectedView(QWidget *parent = nullptr);

    QLabel *text() const { return m_text; }
    ImageView *image() const { return m_image; }

    static constexpr QSize viewSize{150, 32};

protected:
    void lookChanged() override;

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_text = nullptr;
    ImageView *m_image = nullptr;
};
