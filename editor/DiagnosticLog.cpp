#include "editor/DiagnosticLog.h"

#include "editor/QuillnotePaths.h"

juce::String formatLogEntry (juce::Time time, const juce::String& message)
{
    return time.toString (true, true, true, true) + "  " + message + "\n";
}

void appendLogEntry (const juce::File& logFile, const juce::String& message) noexcept
{
    // The installer worker logs while the message thread may be logging too.
    static juce::CriticalSection appendLock;

    try
    {
        const auto entry = formatLogEntry (juce::Time::getCurrentTime(), message);
        const juce::ScopedLock lock (appendLock);

        logFile.getParentDirectory().createDirectory();

        juce::FileOutputStream stream (logFile, 16384);

        if (stream.openedOk())
            stream.writeText (entry, false, false, "\r\n");
    }
    catch (...)
    {
    }
}

void logPro (const juce::String& message) noexcept
{
    try
    {
        appendLogEntry (QuillnotePaths::debugLogFile(), message);
    }
    catch (...)
    {
    }
}
