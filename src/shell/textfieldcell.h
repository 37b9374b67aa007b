#pragma once

#include <QLabel>

// A one-line text whose line sits centred in the height of the field, 1.5 points above the
// exact middle.
class TextFieldCell : public QLabel
{
    Q_OBJECT

public:
    explicit TextFieldCell(QWidget *parent = nullptr);

    // Where a line of lineHeight is drawn inside bounds.
    static QRectF titleRect(const QRectF &bounds, qreal lineHeight);

protected:
    void paintEvent(QPaintEvent *event) override;
};
