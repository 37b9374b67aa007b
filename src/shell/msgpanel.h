#pragma once

#include <QWidget>

// A panel in the message view's own colours: the rounded background under the message view, the
// update-result view and the progress page's texts.
class MsgPanel : public QWidget
{
    Q_OBJECT

public:
    explicit MsgPanel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
