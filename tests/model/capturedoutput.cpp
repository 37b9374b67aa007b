#include "capturedoutput.h"

#include <cstdio>
#include <unistd.h>

namespace {

// The C stream that writes to a standard descriptor: its buffer must be empty at each switch.
void flush(int stream)
{
    std::fflush(stream == STDOUT_FILENO ? stdout : stderr);
}

} // namespace

CapturedOutput::CapturedOutput(int stream)
    : m_stream(stream)
{
    if (!m_file.open())
        qFatal("cannot capture a standard stream");
    flush(m_stream);
    m_saved = ::dup(m_stream);
    ::dup2(m_file.handle(), m_stream);
}

CapturedOutput::~CapturedOutput()
{
    giveBack();
}

QString CapturedOutput::text()
{
    giveBack();
    m_file.seek(0);
    return QString::fromUtf8(m_file.readAll());
}

void CapturedOutput::giveBack()
{
    if (m_saved < 0)
        return;
    flush(m_stream);
    ::dup2(m_saved, m_stream);
    ::close(m_saved);
    m_saved = -1;
}
