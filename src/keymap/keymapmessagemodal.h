#pragma once

#include "keymapfilepanelport.h"
#include "keymapmessageport.h"

class MessageModalFactory;

// The keymap page's numbered messages and file panels: those of the message factory, shown over
// the current window.
class KeymapMessageModal final : public KeymapMessagePort, public KeymapFilePanelPort
{
public:
    explicit KeymapMessageModal(MessageModalFactory &factory);

    void showMessage(int number, Completion completion) override;
    void showMessage9005(KeyboardLayoutType layout, Completion completion) override;
    void showFileOpenModal(const QStringList &allowedFileTypes, PathHandler onConfirm,
                           DenyHandler onDeny) override;
    void showFileSaveModal(const QStringList &allowedFileTypes, SaveProfileType saveProfileType,
                           PathHandler onConfirm, DenyHandler onDeny) override;

private:
    MessageModalFactory &m_factory;
};
