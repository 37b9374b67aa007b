#pragma once

#include <QAbstractButton>

// One entry of the profile drop-down list: the profile's name on a rounded tile that is ringed
// while the pointer is over it.
class ProfileItem : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ProfileItem(const QString &title, QWidget *parent = nullptr);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setMouseOver(bool isMouseOver);

    bool m_isMouseOver = false;
};
