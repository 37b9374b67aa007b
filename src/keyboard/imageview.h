#pragma once

#include <QString>
#include <QWidget>

// A named picture of the theme, drawn over the whole view; the view shows nothing while it has
// no name.
class ImageView : public QWidget
{
    Q_OBJECT

public:
    explicit ImageView(QWidget *parent = nullptr);

    const QString &imageName() const { return m_imageName; }
    void setImageName(const QString &imageName);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_imageName;
};
