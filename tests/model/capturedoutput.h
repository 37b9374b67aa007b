#pragma once

#include <QString>
#include <QTemporaryFile>

// Sends what the process writes to one of its standard streams (STDOUT_FILENO or STDERR_FILENO)
// into a file of its own, from its making until text() or its end gives the stream back.
class CapturedOutput final
{
public:
    explicit CapturedOutput(int stream);
    ~CapturedOutput();
    CapturedOutput(const CapturedOutput &) = delete;
    CapturedOutput &operator=(const CapturedOutput &) = delete;

    // Gives the stream back, and answers what was written to it meanwhile.
    QString text();

private:
    void giveBack();

    int m_stream;
    int m_saved = -1;
    QTemporaryFile m_file;
};
