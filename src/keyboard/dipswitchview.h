#pragma once

#include <QList>
#include <QWidget>

class ImageView;
class QLabel;

// The DIP-switch panel as drawn: the caption above the switch block, each switch's on and off
// pictures, difference mark and icon over its slot. Hovering it explains the six switches.
class DipSwitchView : public QWidget
{
    Q_OBJECT

public:
    explicit DipSwitchView(QWidget *parent = nullptr);

    // The pictures of switch index (0 to 5).
    ImageView *switchOn(int index) const { return m_switchOn.at(index); }
    ImageView *switchOff(int index) const { return m_switchOff.at(index); }
    ImageView *switchError(int index) const { return m_switchError.at(index); }
    ImageView *switchErrorIcon(int index) const { return m_switchErrorIcon.at(index); }
    QLabel *caption() const { return m_caption; }

    // The explanation of all six switches, in the interface language.
    static QString tooltipText();

    static constexpr int switchCount = 6;
    static constexpr int captionHeight = 20;

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    ImageView *addImage(const QString &name, const QRect &frame, const QString &objectName);
    void addSwitch(int index);

    QList<ImageView *> m_switchOn;
    QList<ImageView *> m_switchOff;
    QList<ImageView *> m_switchError;
    QList<ImageView *> m_switchErrorIcon;
    QLabel *m_caption = nullptr;
};
