#pragma once

#include <QString>
#include <QWidget>

// The pointing stick's mark on the drawn keyboard: while the pointer rests on it, the page that
// holds the keyboard shows the leader line from the pointing-stick panel to it. Clicks on it are
// the keyboard's.
class PointImageView : public QWidget
{
    Q_OBJECT

public:
    explicit PointImageView(const QString &image, QWidget *parent = nullptr);

    const QString &image() const { return m_image; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setPointLayerHidden(bool hidden) const;

    QString m_image;
};
