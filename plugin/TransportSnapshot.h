#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

/** The host transport and track values as the page sees them.

    Built from a TransportSnapshot by render(); every rendering of the transport
    is a pure function of this value.
*/
struct TransportValues
{
    bool connected = false;
    bool playing = false;
    bool recording = false;
    double bpm = 0.0;
    int timeSigNum = 4;
    int timeSigDen = 4;
    double positionSecs = 0.0;
    juce::String trackName;
    juce::Colour trackColour;
};

/** The latest transport the host delivered, and the track's name and colour.

    The audio thread writes the transport members in capture(); the message
    thread reads them in render(). Each member is an atomic read and written as
    a whole; nothing depends on their mutual consistency. trackName and
    trackColour are only touched on the message thread.
*/
struct TransportSnapshot
{
    /** Audio thread: records the play head's position, if it gives one. */
    void capture (const juce::AudioPlayHead* playHead) noexcept;

    /** Message thread: takes a non-empty name (trimmed) and a non-zero colour. */
    void updateTrackProperties (const juce::AudioProcessor::TrackProperties& properties);

    /** The values to show: before the first position arrives, the transport
        renders as stopped at 0 in 4/4 with tempo 0, whatever the members hold. */
    TransportValues render() const;

    std::atomic<bool> transportDataReady { false };
    std::atomic<bool> playing { false };
    std::atomic<bool> recording { false };
    std::atomic<double> bpm { 120.0 };
    std::atomic<int> timeSigNum { 4 };
    std::atomic<int> timeSigDen { 4 };
    std::atomic<double> positionSecs { 0.0 };
    juce::String trackName;
    juce::Colour trackColour;
};

enum class TransportScriptForm
{
    timerLoop,  // "window.__transportData = {connected:..."
    compact     // "window.__transportData={connected:..." (served as transport.js)
};

/** The position as minutes:seconds.millis, millis cut (not rounded): 3725.5 -> "62:05.500". */
juce::String formatPosition (double seconds);

/** Escapes text for a single-quoted script literal: backslash, quote, LF, CR. */
juce::String escapeForSingleQuotedScript (const juce::String& text);

/** One line of script that assigns window.__transportData. */
juce::String renderTransportScript (const TransportValues& values, TransportScriptForm form);

/** The transport as an object: the transportUpdate payload and the getTransport result. */
juce::var renderTransportObject (const TransportValues& values);
