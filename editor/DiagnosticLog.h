#pragma once

#include <juce_core/juce_core.h>

/** One log entry: the local time stamp ("9 Dec 2025 17:05:03"), two spaces,
    the message and a line feed (written as CR LF). */
juce::String formatLogEntry (juce::Time time, const juce::String& message);

/** Appends one entry to the given file, creating its folder if needed.
    Appends from different threads are serialised, so lines never interleave.
    Failures are swallowed. */
void appendLogEntry (const juce::File& logFile, const juce::String& message) noexcept;

/** Appends one entry to the plug-in's "debug.log" in the per-user data folder. */
void logPro (const juce::String& message) noexcept;
