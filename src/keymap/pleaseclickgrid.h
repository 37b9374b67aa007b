#pragma once

#include <QString>
#include <QWidget>

class ImageView;
class QLabel;

// A hint of the keymap page that tells the user where to click next: a rounded, shadowed grey
// label with an arrow pointing up to the drawn keyboard or down to the palettes. It grows with
// its text and keeps a margin of 30 points right of it.
class PleaseClickGrid : public QWidget
{
    Q_OBJECT

public:
    enum class Arrow
    {
        up,
        down
    };

    // The text of the localized key, kerned in Japanese and left-aligned in other languages.
    PleaseClickGrid(Arrow arrow, const QString &textKey, QWidget *parent = nullptr);

    QLabel *textField() const { return m_textField; }
    ImageView *imageView() const { return m_imageView; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setText(const QString &text);
    // The arrow and the text centred vertically, the width following the text.
    void centerAlign();

    ImageView *m_imageView = nullptr;
    QLabel *m_textField = nullptr;
};
