#pragma once

#include "keyboardpageview.h"

class FirmwareIOButton;
class FirmwareReadButton;
class FirmwareTextField;
class KeyboardDataEntity;
class QLabel;
class ReturnButton;
struct FirmDataEntity;

// The firmware page's view: the keyboard display of KeyboardPageView with the way back to the
// start page above it and, below it, the keyboard's and the chosen image's firmware versions,
// the warning when the image is not newer, the image's path with the button that chooses a file,
// and the update button. A file dropped anywhere on the page is handed to the page.
class FirmupPageView : public KeyboardPageView
{
    Q_OBJECT

public:
    // The view takes returnButton, which the page has made to lead back to the start page.
    explicit FirmupPageView(ReturnButton *returnButton, QWidget *parent = nullptr);

    ReturnButton *returnButton() const { return m_returnButton; }
    FirmwareIOButton *firmupButton() const { return m_firmupButton; }
    FirmwareReadButton *readButton() const { return m_readButton; }
    FirmwareTextField *firmPathTextField() const { return m_firmPathTextField; }
    QLabel *currentVersionLabel() const { return m_currentVersionLabel; }
    QLabel *firmdataVersionLabel() const { return m_firmdataVersionLabel; }
    QLabel *versionWarningLabel() const { return m_versionWarningLabel; }

    using KeyboardPageView::update;
    // Shows the versions, the warning and the buttons' states for the keyboard record and the
    // image, none for either absent (FirmupViewState). Disables the return button in the boot
    // loader and never enables it: the page does.
    void update(const KeyboardDataEntity *keyboardData, const FirmDataEntity *firmData);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QLabel *makeLabel(QPointF origin, qreal width);

    ReturnButton *m_returnButton = nullptr;
    FirmwareIOButton *m_firmupButton = nullptr;
    FirmwareReadButton *m_readButton = nullptr;
    FirmwareTextField *m_firmPathTextField = nullptr;
    QLabel *m_currentVersionLabel = nullptr;
    QLabel *m_firmdataVersionLabel = nullptr;
    QLabel *m_versionWarningLabel = nullptr;
};
