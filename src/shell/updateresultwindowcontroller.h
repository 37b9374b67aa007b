#pragma once

#include <QObject>
#include <QPointer>

class MsgMaskView;
class QWidget;
class UpdateResultWindow;

// Shows the result of a manual update check inside the main window, centred over a dimming mask
// like a numbered message, and announces its buttons: the links and the close button.
class UpdateResultWindowController : public QObject
{
    Q_OBJECT

public:
    explicit UpdateResultWindowController(QObject *parent = nullptr);
    ~UpdateResultWindowController() override;

    // True when this program, or the keyboard's firmware, is up to date.
    bool isKeymapVersionLatest() const { return m_isKeymapVersionLatest; }
    void setIsKeymapVersionLatest(bool isLatest) { m_isKeymapVersionLatest = isLatest; }
    bool isTAVOVersionLatest() const { return m_isTAVOVersionLatest; }
    void setIsTAVOVersionLatest(bool isLatest) { m_isTAVOVersionLatest = isLatest; }

    // The panel, made on first use and kept for every later check.
    UpdateResultWindow *window();
    MsgMaskView *maskView() const { return m_maskView; }

    // Each line shows its up-to-date text, or its link and the link's icon.
    void updateVersion();
    // The close button is drawn plain again.
    void initButton();
    // Lays the mask and, centred above it, the panel over content; the close button takes the
    // keyboard focus.
    void showIn(QWidget &content);
    // Takes the mask and the panel away.
    void hide();

    void onClickedKeymapToolURLButton();
    void onClickedTAVOToolURLButton();
    void CloseUpdateCheckWindow();

private:
    bool m_isKeymapVersionLatest = false;
    bool m_isTAVOVersionLatest = false;
    QPointer<UpdateResultWindow> m_window;
    QPointer<MsgMaskView> m_maskView;
};
