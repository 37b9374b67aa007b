#include "keymapmessagemodal.h"

#include "messagemodalfactory.h"

#include <QUrl>

namespace {

// A chosen file's local path; a panel may answer without one.
void handOnPath(const KeymapFilePanelPort::PathHandler &onConfirm, const std::optional<QUrl> &url)
{
    onConfirm(url ? std::optional<QString>(url->toLocalFile()) : std::nullopt);
}

} // namespace

KeymapMessageModal::KeymapMessageModal(MessageModalFactory &factory)
    : m_factory(factory)
{}

void KeymapMessageModal::showMessage(int number, Completion completion)
{
    m_factory.showMessage(number, std::move(completion));
}

void KeymapMessageModal::showMessage9005(KeyboardLayoutType layout, Completion completion)
{
    m_factory.showMessage9005(layout, std::move(completion));
}

void KeymapMessageModal::showFileOpenModal(const QStringList &allowedFileTypes,
                                           PathHandler onConfirm, DenyHandler onDeny)
{
    m_factory.showFileOpenModal(
        allowedFileTypes,
        [onConfirm = std::move(onConfirm)](const std::optional<QUrl> &url) {
            handOnPath(onConfirm, url);
        },
        std::move(onDeny));
}

void KeymapMessageModal::showFileSaveModal(const QStringList &allowedFileTypes,
                                           SaveProfileType saveProfileType, PathHandler onConfirm,
                                           DenyHandler onDeny)
{
    m_factory.showFileSaveModal(
        allowedFileTypes, saveProfileType,
        [onConfirm = std::move(onConfirm)](const std::optional<QUrl> &url) {
            handOnPath(onConfirm, url);
        },
        std::move(onDeny));
}
