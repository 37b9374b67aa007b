#include "hidbackend.h"

#include <atomic>

namespace {

std::atomic<HidBackend *> installedBackend{nullptr};

} // namespace

HidBackend &HidBackend::sharedInstance()
{
    HidBackend *const backend = installedBackend.load();
    if (!backend)
        qFatal("No keyboard backend has been installed before the first keyboard driver.");
    return *backend;
}

void HidBackend::setSharedInstance(HidBackend &backend)
{
    installedBackend.store(&backend);
}
