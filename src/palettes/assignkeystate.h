#pragma once

#include <QPointF>
#include <QString>

#include <optional>

// The look of a palette key as the user sees and handles it, and the rules that change it: the
// selected border, the hover highlight, the not-assigned mark, the legend and tooltip, and when a
// press turns into a drag. A key view paints from it.
class AssignKeyState
{
public:
    virtual ~AssignKeyState() = default;

    // Shows a legend, the not-assigned mark when isAssigned is false, and a tooltip ("" none).
    void displayCharacter(const QString &charImage, bool isAssigned, const QString &toolTipString);
    // Shows or hides the mark, also when the value does not change.
    void setIsAssigned(bool isAssigned);
    // While set, hovering also shows the selected border and leaving hides it, whoever showed it.
    void setToShowSelectedEffectOnMouseOver(bool newValue);

    void showSelectedEffect();
    void hideSelectedEffect();
    // The highlight shows only while the pointer is over the key.
    void showMouseOverEffect();
    void hideMouseOverEffect();
    void showNotAssignedEffect();
    void hideNotAssignedEffect();

    // The pointer came onto the key or left it.
    void mouseEntered();
    void mouseExited();

    // A press at location, from which a drag may start.
    void mouseDown(QPointF location);
    // Whether a move to location starts a drag: more than 1.0 from the press along either axis.
    // A press starts one drag at most.
    bool isDragged(QPointF location);

    const QString &charImage() const { return m_charImage; }
    bool isAssigned() const { return m_isAssigned; }
    const QString &toolTipString() const { return m_toolTipString; }
    bool toShowSelectedEffectOnMouseOver() const { return m_toShowSelectedEffectOnMouseOver; }
    bool mouseIsInside() const { return m_mouseIsInside; }
    std::optional<QPointF> mouseDownLocation() const { return m_mouseDownLocation; }

    // What the key paints.
    bool showsSelectedBorder() const { return m_showsSelectedBorder; }
    bool showsMouseOver() const { return m_showsMouseOver; }
    bool showsNotAssignedIcon() const { return m_showsNotAssignedIcon; }

    static constexpr double dragThreshold = 1.0;

protected:
    // Whether the pointer is over the key now: the highlight shows only then.
    virtual bool pointerIsInside() const { return true; }
    // Something the key paints has changed.
    virtual void lookChanged() {}

private:
    QString m_charImage;
    bool m_isAssigned = true;
    QString m_toolTipString;
    bool m_toShowSelectedEffectOnMouseOver = false;
    bool m_mouseIsInside = false;
    std::optional<QPointF> m_mouseDownLocation;
    bool m_showsSelectedBorder = false;
    bool m_showsMouseOver = false;
    bool m_showsNotAssignedIcon = false;
};
