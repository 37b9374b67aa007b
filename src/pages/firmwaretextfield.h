#pragma once

#include <QString>
#include <QWidget>

// The firmware page's field with the path of the chosen image: white text in a rounded box, read
// only. A path too long for the field loses its middle, and the tooltip gives it whole.
class FirmwareTextField : public QWidget
{
    Q_OBJECT

public:
    explicit FirmwareTextField(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
