#include "hidapidevice.h"

#include <array>

namespace {

// Larger than any report of the keyboard, so a read never cuts one.
constexpr std::size_t readBufferSize = 256;

} // namespace

HidapiDevice::HidapiDevice(HidapiCalls &calls, HidapiCalls::Handle handle)
    : m_calls(calls)
    , m_handle(handle)
{}

HidapiDevice::~HidapiDevice()
{
    m_calls.close(m_handle);
}

bool HidapiDevice::write(const QByteArray &report)
{
    const QByteArray numbered = QByteArray(1, '\0') + report;
    const int written = m_calls.write(
        m_handle, reinterpret_cast<const unsigned char *>(numbered.constData()), numbered.size());
    return written == numbered.size();
}

HidDevice::ReadResult HidapiDevice::read(std::chrono::milliseconds timeout)
{
    std::array<unsigned char, readBufferSize> buffer{};
    const int count = m_calls.readTimeout(m_handle, buffer.data(), buffer.size(),
                                          static_cast<int>(timeout.count()));
    if (count < 0)
        return {ReadStatus::Failed, {}, m_calls.error(m_handle)};
    if (count == 0)
        return {ReadStatus::Timeout, {}, {}};
    return {
        ReadStatus::Report, QByteArray(reinterpret_cast<const char *>(buffer.data()), count), {}};
}
