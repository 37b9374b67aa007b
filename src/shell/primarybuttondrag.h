#pragma once

#include <QObject>

// Made just before a drag runs and kept until it has ended: meanwhile the presses, releases and
// double clicks of every button but the left one reach nothing, the drag included. Qt's drag on
// X11 ends at the release of any button; this one goes on to the left button's release and drops
// there, as only the left button acts in the program.
class PrimaryButtonDrag final : public QObject
{
    Q_OBJECT

public:
    PrimaryButtonDrag();
    ~PrimaryButtonDrag() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
