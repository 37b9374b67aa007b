#pragma once

#include "imageview.h"
#include "pointimageview.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class DrawnKeyboardLayout;
class VirtualKeyView;

// The drawn keyboard's surface: the keyboard's picture, the keys over it where the layout puts
// them, and the pointing stick's mark above the keys. Presses and releases that reach it,
// outside the keys or passed on by them, go to its controller.
class VirtualKeyboardView : public QWidget
{
    Q_OBJECT

public:
    explicit VirtualKeyboardView(QWidget *parent = nullptr);

    // Shows backgroundImage and places keyViews, one per key of layout in the same order, and a
    // new pointing-stick mark. Keys of an earlier drawing belong to their controllers, which
    // remove them.
    void drawKeyboard(const QString &backgroundImage, const DrawnKeyboardLayout &layout,
                      const QList<VirtualKeyView *> &keyViews);

    const QString &backgroundImage() const { return m_backgroundImageView->imageName(); }
    PointImageView *pointImageView() const { return m_pointImageView; }

    // A press that began on the keyboard itself.
    void setOnMouseDown(std::function<void()> onMouseDown)
    {
        m_onMouseDown = std::move(onMouseDown);
    }
    // A release; answers whether it goes on to the page below the keyboard.
    void setOnMouseUp(std::function<bool()> onMouseUp) { m_onMouseUp = std::move(onMouseUp); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void addAllKeys(const DrawnKeyboardLayout &layout, const QList<VirtualKeyView *> &keyViews);
    void addPointImage();

    // The keyboard's picture, below everything added later.
    ImageView *m_backgroundImageView = nullptr;
    QPointer<PointImageView> m_pointImageView;
    std::function<void()> m_onMouseDown = [] {};
    std::function<bool()> m_onMouseUp = [] { return true; };
};
