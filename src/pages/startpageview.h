#pragma once

#include "keyboardpageview.h"

class NavigationButton;
class QFont;
class QLabel;

// The start page's view: the keyboard display of KeyboardPageView with the keyboard's name above
// it and, below it, the two buttons that lead to the keymap and firmware pages. The buttons stay
// hidden until loadView() titles them, once the keyboard has been read, and disabled until the
// page enables them.
class StartPageView : public KeyboardPageView
{
    Q_OBJECT

public:
    explicit StartPageView(QWidget *parent = nullptr);

    NavigationButton *keymapPageButton() const { return m_keymapPageButton; }
    NavigationButton *firmupPageButton() const { return m_firmupPageButton; }
    QLabel *keyboardLabel() const { return m_keyboardLabel; }

    // Shows the two buttons with their images and titles.
    void loadView();

    // Gives button its images and its centred title, kerned by DrawingInfo's kern in Japanese,
    // whose titles are long for the button.
    static void setNavigationButton(NavigationButton &button, const QString &disabledImageName,
                                    const QString &enabledImageName,
                                    const QString &unClickedImageName,
                                    const QString &clickedImageName, const QString &title);
    // Sets the spacing between the letters of a title in font.
    static void adjustTextKern(QFont &font, double kern);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Sets up the keyboard's label once the buttons stand.
    void awakeFromNib();
    // Paints as every page view does, between debug lines that name the drawing.
    void draw(QPaintEvent *event);

    NavigationButton *m_keymapPageButton = nullptr;
    NavigationButton *m_firmupPageButton = nullptr;
    QLabel *m_keyboardLabel = nullptr;
};
