#include "plugin/TransportSnapshot.h"

void TransportSnapshot::capture (const juce::AudioPlayHead* playHead) noexcept
{
    if (playHead == nullptr)
        return;

    const auto position = playHead->getPosition();

    if (! position.hasValue())
        return;

    playing.store (position->getIsPlaying(), std::memory_order_relaxed);
    recording.store (position->getIsRecording(), std::memory_order_relaxed);

    if (const auto tempo = position->getBpm())
        bpm.store (*tempo, std::memory_order_relaxed);

    if (const auto signature = position->getTimeSignature())
    {
        timeSigNum.store (signature->numerator, std::memory_order_relaxed);
        timeSigDen.store (signature->denominator, std::memory_order_relaxed);
    }

    if (const auto seconds = position->getTimeInSeconds())
        positionSecs.store (*seconds, std::memory_order_relaxed);

    transportDataReady.store (true, std::memory_order_seq_cst);
}

void TransportSnapshot::updateTrackProperties (const juce::AudioProcessor::TrackProperties& properties)
{
    if (properties.name.has_value() && properties.name->isNotEmpty())
        trackName = properties.name->trim();

    if (properties.colour.has_value() && properties.colour->getARGB() != 0)
        trackColour = *properties.colour;
}

TransportValues TransportSnapshot::render() const
{
    TransportValues values;
    values.connected = transportDataReady.load();
    values.trackName = trackName;
    values.trackColour = trackColour;

    if (values.connected)
    {
        values.playing = playing.load (std::memory_order_relaxed);
        values.recording = recording.load (std::memory_order_relaxed);
        values.bpm = bpm.load (std::memory_order_relaxed);
        values.timeSigNum = timeSigNum.load (std::memory_order_relaxed);
        values.timeSigDen = timeSigDen.load (std::memory_order_relaxed);
        values.positionSecs = positionSecs.load (std::memory_order_relaxed);
    }

    return values;
}

juce::String formatPosition (double seconds)
{
    const auto totalSeconds = (juce::int64) seconds;
    const auto minutes = totalSeconds / 60;
    const auto wholeSeconds = totalSeconds - 60 * minutes;
    const auto millis = (juce::int64) ((seconds - (double) totalSeconds) * 1000.0);

    return juce::String (minutes) + ":"
         + juce::String (wholeSeconds).paddedLeft ('0', 2) + "."
         + juce::String (millis).paddedLeft ('0', 3);
}

juce::String escapeForSingleQuotedScript (const juce::String& text)
{
    return text.replace ("\\", "\\\\")
               .replace ("'", "\\'")
               .replace ("\n", "\\n")
               .replace ("\r", "\\r");
}

static const char* word (bool value)
{
    return value ? "true" : "false";
}

juce::String renderTransportScript (const TransportValues& values, TransportScriptForm form)
{
    juce::String script;
    script.preallocateBytes (256);
    script << (form == TransportScriptForm::timerLoop ? "window.__transportData = {connected:"
                                                      : "window.__transportData={connected:")
           << word (values.connected)
           << ",playing:" << word (values.playing)
           << ",recording:" << word (values.recording)
           << ",bpm:" << juce::String (values.bpm, 1)
           << ",timeSigNum:" << values.timeSigNum
           << ",timeSigDen:" << values.timeSigDen
           << ",positionSecs:" << juce::String (values.positionSecs, 3)
           << ",positionFormatted:'" << formatPosition (values.positionSecs)
           << "',trackName:'" << escapeForSingleQuotedScript (values.trackName)
           << "',trackColour:'" << values.trackColour.toDisplayString (false)
           << "'};";
    return script;
}

juce::var renderTransportObject (const TransportValues& values)
{
    auto object = juce::DynamicObject::Ptr (new juce::DynamicObject());
    object->setProperty ("connected", values.connected);
    object->setProperty ("playing", values.playing);
    object->setProperty ("recording", values.recording);
    object->setProperty ("bpm", values.bpm);
    object->setProperty ("timeSigNum", values.timeSigNum);
    object->setProperty ("timeSigDen", values.timeSigDen);
    object->setProperty ("positionSecs", values.positionSecs);
    object->setProperty ("positionFormatted", formatPosition (values.positionSecs));
    object->setProperty ("trackName", values.trackName);
    object->setProperty ("trackColour", values.trackColour.toDisplayString (false));
    return juce::var (object.get());
}
