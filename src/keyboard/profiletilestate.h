#pragma once

#include <QColor>
#include <QString>

class ProfileConfig;

// The profile tile's look as the user handles it: normal while the profile list is closed,
// pressed while it is open, with the hover border only while closed. A ProfileSelectedView
// paints from it.
class ProfileTileState
{
public:
    // Colours come from theme, read whenever the look changes.
    explicit ProfileTileState(const ProfileConfig &theme);
    virtual ~ProfileTileState() = default;

    // The normal look of a closed list; the border stays as it is.
    void updateBackground();
    void mouseEntered();
    void mouseExited();
    // A press on the tile: the pressed colours, and the list's state flips. Whether the list is
    // now to be open.
    bool mouseDown();

    // True while the list is open.
    bool isSelected() const { return m_isSelected; }

    QColor background() const { return m_background; }
    QColor borderColor() const { return m_borderColor; }
    QColor textBackground() const { return m_textBackground; }
    QColor textColor() const { return m_textColor; }
    const QString &arrowImage() const { return m_arrowImage; }

protected:
    // Something the tile paints has changed.
    virtual void lookChanged() {}

private:
    void setClosedText();

    const ProfileConfig &m_theme;
    bool m_isSelected = false;
    QColor m_background;
    QColor m_borderColor;
    QColor m_textBackground;
    QColor m_textColor;
    QString m_arrowImage;
};
