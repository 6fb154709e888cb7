#include <gtest/gtest.h>

#include "editor/DiagnosticLog.h"
#include "editor/QuillnotePaths.h"

namespace
{
    struct ScratchFolder
    {
        juce::TemporaryFile temp { "log-test" };
        juce::File folder = temp.getFile();
        ~ScratchFolder() { folder.setReadOnly (false, true); folder.deleteRecursively(); }
    };
}

TEST (DiagnosticLog, EntryFormat)
{
    const juce::Time morning (2025, 11, 9, 7, 5, 3, 0, true);   // 9 Dec 2025, months count from 0
    EXPECT_EQ (formatLogEntry (morning, "Editor constructor START"), "9 Dec 2025 7:05:03  Editor constructor START\n");

    const juce::Time evening (2025, 0, 31, 17, 45, 59, 0, true);
    EXPECT_EQ (formatLogEntry (evening, "x"), "31 Jan 2025 17:45:59  x\n");
}

TEST (DiagnosticLog, AppendsLinesInOrderWithCrLf)
{
    ScratchFolder scratch;
    const auto log = scratch.folder.getChildFile ("QuillnotePro").getChildFile ("debug.log");

    appendLogEntry (log, "first");
    appendLogEntry (log, "a\nb");
    appendLogEntry (log, "c\r\nd");

    juce::StringArray lines;
    lines.addTokens (log.loadFileAsString(), "\n", {});
    ASSERT_EQ (lines.size(), 6);   // the last token is what follows the final line end
    EXPECT_TRUE (lines[0].endsWith ("  first\r"));
    EXPECT_TRUE (lines[1].endsWith ("  a\r"));
    EXPECT_EQ (lines[2], "b\r");
    EXPECT_TRUE (lines[3].endsWith ("  c\r"));
    EXPECT_EQ (lines[4], "d\r");
    EXPECT_EQ (lines[5], "");
}

TEST (DiagnosticLog, ConcurrentAppendsNeverSplitALine)
{
    ScratchFolder scratch;
    const auto log = scratch.folder.getChildFile ("debug.log");
    constexpr int linesPerThread = 300;
    const auto longMessage = juce::String::repeatedString ("x", 20000);

    std::thread worker ([&] { for (int i = 0; i < linesPerThread; ++i) appendLogEntry (log, "worker " + longMessage); });
    for (int i = 0; i < linesPerThread; ++i)
        appendLogEntry (log, "main " + longMessage);
    worker.join();

    juce::StringArray lines;
    lines.addLines (log.loadFileAsString());
    lines.removeEmptyStrings();
    ASSERT_EQ (lines.size(), 2 * linesPerThread);
    for (const auto& line : lines)
        EXPECT_TRUE (line.endsWith ("  worker " + longMessage) || line.endsWith ("  main " + longMessage));
}

TEST (DiagnosticLog, UnwritableLocationIsSilent)
{
    ScratchFolder scratch;
    scratch.folder.createDirectory();
    const auto blocker = scratch.folder.getChildFile ("QuillnotePro");
    ASSERT_TRUE (blocker.replaceWithText ("a file where the folder should be"));
    const auto log = blocker.getChildFile ("debug.log");

    appendLogEntry (log, "lost");
    EXPECT_FALSE (log.exists());
    EXPECT_EQ (blocker.loadFileAsString(), "a file where the folder should be");
}

TEST (DiagnosticLog, LogProWritesIntoThePerUserFolder)
{
    const auto log = QuillnotePaths::debugLogFile();
    EXPECT_EQ (log.getParentDirectory().getFileName(), "QuillnotePro");
    logPro ("unit test marker line");
    EXPECT_TRUE (log.loadFileAsString().contains ("  unit test marker line\r\n"));
}
