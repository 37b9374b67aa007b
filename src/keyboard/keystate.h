#pragma once

#include <QColor>
#include <QString>

class VirtualKeyConfig;

// The state of a drawn key as the user sees and handles it, and the rules that change it: the
// modified tint, the hover colour, the selection border, which legend and which shortcut mark
// show, and whether hover, clicks and palette drops reach the key. A key view paints from it.
class KeyState
{
public:
    // Colours and mark images come from theme, read when an effect changes them.
    explicit KeyState(const VirtualKeyConfig &theme);
    virtual ~KeyState() = default;

    // Shows a new usage: its legends, whether it is modified and its tooltip (empty for a key
    // without shortcut, which then shows no mark). Always clears selection and hover.
    void displayCharacter(const QString &charImage, const QString &unmodifiedCharImage,
                          bool isModified, const QString &tooltip);

    // While set, hovering the key marks it as selected: a palette key waits for its target.
    void setToShowSelectedEffectOnMouseOver(bool newValue);
    // A selected modified key looks as if it kept its factory usage: no tint, the unmodified
    // legend and mark.
    void showSelectedEffect();
    void hideSelectedEffect();
    void showMouseOverEffect();
    void hideMouseOverEffect();
    void showModifiedEffect();
    void hideModifiedEffect();

    // The pointer came onto the key or left it.
    void mouseEntered();
    void mouseExited();
    // A drag came onto the key or left it; a palette drag is accepted only by an interactive
    // key, and a special key accepts it without hover feedback.
    bool draggingEntered(bool isPaletteDrag);
    void draggingExited();

    bool isInteractive() const { return m_isInteractive; }
    void setIsInteractive(bool isInteractive) { m_isInteractive = isInteractive; }
    bool isSpecial() const { return m_isSpecial; }
    void setIsSpecial(bool isSpecial) { m_isSpecial = isSpecial; }
    bool isModified() const { return m_isModified; }
    bool isSelected() const { return m_isSelected; }
    bool toShowBorderOnMouseOver() const { return m_toShowBorderOnMouseOver; }
    bool mouseIsInside() const { return m_mouseIsInside; }
    const QString &toolTipString() const { return m_toolTipString; }

    // What the key paints.
    QColor modifiedTint() const { return m_modifiedTint; }
    QColor mouseOverColor() const { return m_mouseOverColor; }
    QColor borderColor() const { return m_borderColor; }
    const QString &shownCharImage() const { return m_shownCharImage; }
    bool showsShortcut() const { return !m_toolTipString.isEmpty(); }
    const QString &shownShortcutImage() const { return m_shownShortcutImage; }

protected:
    // Whether the pointer is over the key now: hover colours show only then.
    virtual bool pointerIsInside() const { return true; }
    // Something the key paints has changed.
    virtual void lookChanged() {}
    // The face colour without hover: clear for a key drawn over the keyboard's picture.
    virtual QColor faceColor() const;
    // The border of a key that is not selected: none on a drawn key.
    virtual QColor unselectedBorderColor() const;
    const VirtualKeyConfig &theme() const { return m_theme; }

private:
    void setIsModified(bool isModified);
    void setCharImage(const QString &charImage);
    void setSelectedBorder(bool selected);
    void setMouseOverColor();
    void clearMouseOverColor();
    void setModifiedTint(bool modified);

    const VirtualKeyConfig &m_theme;
    bool m_isInteractive = false;
    bool m_isSpecial = false;
    bool m_toShowBorderOnMouseOver = false;
    bool m_mouseIsInside = false;
    bool m_isModified = false;
    bool m_isSelected = false;
    QString m_toolTipString;
    QString m_charImage;
    QString m_unmodifiedCharImage;
    QString m_shortcutImage;

    QColor m_modifiedTint = Qt::transparent;
    QColor m_mouseOverColor = Qt::transparent;
    QColor m_borderColor = Qt::transparent;
    QString m_shownCharImage;
    QString m_shownShortcutImage;
};
