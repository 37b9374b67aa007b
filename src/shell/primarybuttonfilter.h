#pragma once

#include <QObject>

class QWidget;

// Lets a widget see the presses, releases and double clicks of the left (primary) mouse button
// only. Those of the right, middle and every other button pass it by as if it had ignored them,
// and go on to its parent: a control acts on the left button alone, so another button must
// neither click it, nor show it pressed, nor pick what it shows, nor end or repeat a left
// button's click that is still held.
class PrimaryButtonFilter : public QObject
{
    Q_OBJECT

public:
    // From now on widget sees the left button's presses, releases and double clicks only, in
    // its own handling and in every event filter installed on it before; the filter goes with
    // the widget.
    static void install(QWidget &widget);

    // Whether event is a press, release or double click of another button than the left one.
    static bool isOtherButton(const QEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
