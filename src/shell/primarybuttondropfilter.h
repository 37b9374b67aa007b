#pragma once

#include <QObject>
#include <QStringView>

#include <functional>

class QWidget;

// Lets the widgets of an area take only the drops that the left (primary) button's release
// makes. Qt ends a drag at the release of any button and drops where the pointer is, the left
// button still held; such a drop reaches no widget of the area and changes nothing there: the
// widget under the pointer gets the drag's leave instead, and the area's owner hears of it.
class PrimaryButtonDropFilter final : public QObject
{
    Q_OBJECT

public:
    // From now on a drop on area or on a widget inside it that another button's release made is
    // refused, and onRefused runs after each, once the drag has ended. The filter goes with area.
    static void install(QWidget &area, std::function<void()> onRefused);

    // Whether a drop reporting held as the buttons still held, on the platform plugin named
    // platform, was made by another button's release: the left button is still held then. On
    // Wayland a drop reports the buttons held as the drag began, whichever button ended it, so
    // none can be told from the left button's there.
    static bool isOtherButtonDrop(Qt::MouseButtons held, QStringView platform);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PrimaryButtonDropFilter(QWidget &area, std::function<void()> onRefused);

    bool isInArea(QObject *watched) const;
    void refuse(QWidget &target, QEvent &drop);

    QWidget &m_area;
    std::function<void()> m_onRefused;
};
