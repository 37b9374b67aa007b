#pragma once

#include <QLabel>
#include <QStringList>

// A label whose text is broken into lines as a reader expects (Japanese at phrase boundaries, no
// line of one or two characters) and is as high as its lines at its width, in its own font.
class WrappedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappedLabel(QWidget *parent = nullptr);

    // The lines the text is shown in at a width.
    QStringList lines(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The lines last broken, kept because layout and painting ask for them again and again.
    struct Broken
    {
        QString text;
        QFont font;
        int width = -1;
        QStringList lines;
    };
    mutable Broken m_broken;
};
