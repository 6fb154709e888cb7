#include <gtest/gtest.h>

#include "plugin/TransportSnapshot.h"

namespace
{
    struct FixedPlayHead final : juce::AudioPlayHead
    {
        std::optional<PositionInfo> position;
        juce::Optional<PositionInfo> getPosition() const override
        {
            if (position.has_value())
                return *position;
            return {};
        }
    };

    TransportValues connectedValues()
    {
        TransportValues values;
        values.connected = true;
        values.playing = true;
        values.bpm = 120.0;
        values.timeSigNum = 3;
        values.timeSigDen = 4;
        values.positionSecs = 75.25;
        values.trackName = "Lead Vox";
        values.trackColour = juce::Colour (0xffff0000);
        return values;
    }
}

TEST (TransportScript, FreshProcessorRendersDisconnectedDefaults)
{
    const TransportSnapshot snapshot;
    EXPECT_EQ (renderTransportScript (snapshot.render(), TransportScriptForm::timerLoop),
               "window.__transportData = {connected:false,playing:false,recording:false,bpm:0.0,timeSigNum:4,timeSigDen:4,"
               "positionSecs:0.000,positionFormatted:'0:00.000',trackName:'',trackColour:'000000'};");
}

TEST (TransportScript, PlayingTransportInBothForms)
{
    const auto tail = juce::String ("{connected:true,playing:true,recording:false,bpm:120.0,timeSigNum:3,timeSigDen:4,"
                                    "positionSecs:75.250,positionFormatted:'1:15.250',trackName:'Lead Vox',trackColour:'FF0000'};");
    EXPECT_EQ (renderTransportScript (connectedValues(), TransportScriptForm::timerLoop), "window.__transportData = " + tail);
    EXPECT_EQ (renderTransportScript (connectedValues(), TransportScriptForm::compact), "window.__transportData=" + tail);
}

TEST (TransportScript, PositionTextsAndEscaping)
{
    struct Case { double seconds; const char* positionText; const char* formatted; };
    const Case cases[] {
        { 1.001, "1.001", "0:01.000" },   // millis are cut from the value just below 1.001
        { 59.9996, "60.000", "0:59.999" },
        { 3725.5, "3725.500", "62:05.500" },
        { 0.0, "0.000", "0:00.000" },
    };

    for (const auto& c : cases)
    {
        auto values = connectedValues();
        values.positionSecs = c.seconds;
        const auto script = renderTransportScript (values, TransportScriptForm::compact);
        EXPECT_TRUE (script.contains (juce::String (",positionSecs:") + c.positionText + ",")) << script;
        EXPECT_EQ (formatPosition (c.seconds), c.formatted) << c.seconds;
    }

    auto values = connectedValues();
    values.trackName = "Tom's \\ Kick\nline\r";
    EXPECT_TRUE (renderTransportScript (values, TransportScriptForm::compact).contains ("trackName:'Tom\\'s \\\\ Kick\\nline\\r'"));
    EXPECT_EQ (renderTransportObject (values)["trackName"].toString(), values.trackName);
}

TEST (TransportObject, MembersInOrderWithUnroundedValues)
{
    auto values = connectedValues();
    values.positionSecs = 1.0015;
    const auto object = renderTransportObject (values);
    const auto& properties = object.getDynamicObject()->getProperties();

    const char* const expectedNames[] { "connected", "playing", "recording", "bpm", "timeSigNum", "timeSigDen",
                                        "positionSecs", "positionFormatted", "trackName", "trackColour" };
    ASSERT_EQ (properties.size(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ (properties.getName (i).toString(), expectedNames[i]);

    EXPECT_TRUE (object["connected"].isBool());
    EXPECT_TRUE (object["timeSigNum"].isInt());
    EXPECT_DOUBLE_EQ ((double) object["positionSecs"], 1.0015);
    EXPECT_EQ (object["positionFormatted"].toString(), "0:01.001");
    EXPECT_EQ (object["trackColour"].toString(), "FF0000");
}

TEST (TransportCapture, KeepsValuesThePositionDoesNotCarry)
{
    TransportSnapshot snapshot;
    FixedPlayHead playHead;

    snapshot.capture (nullptr);
    snapshot.capture (&playHead);   // no position for this block
    EXPECT_FALSE (snapshot.render().connected);
    EXPECT_EQ (snapshot.render().bpm, 0.0);   // members hold 120, the rendering says 0 until connected

    juce::AudioPlayHead::PositionInfo position;
    position.setIsPlaying (true);
    position.setTimeInSeconds (12.5);
    playHead.position = position;
    snapshot.capture (&playHead);

    auto values = snapshot.render();
    EXPECT_TRUE (values.connected);
    EXPECT_TRUE (values.playing);
    EXPECT_EQ (values.bpm, 120.0);
    EXPECT_EQ (values.positionSecs, 12.5);

    position.setIsPlaying (false);
    position.setBpm (96.0);
    position.setTimeSignature (juce::AudioPlayHead::TimeSignature { 7, 8 });
    position.setTimeInSeconds ({});
    playHead.position = position;
    snapshot.capture (&playHead);

    values = snapshot.render();
    EXPECT_FALSE (values.playing);
    EXPECT_EQ (values.bpm, 96.0);
    EXPECT_EQ (values.timeSigNum, 7);
    EXPECT_EQ (values.timeSigDen, 8);
    EXPECT_EQ (values.positionSecs, 12.5);
}

TEST (TrackProperties, NameAndColourRules)
{
    TransportSnapshot snapshot;

    snapshot.updateTrackProperties ({ juce::String ("  Bass  "), juce::Colour (0xffff0000) });
    EXPECT_EQ (snapshot.trackName, "Bass");
    EXPECT_EQ (snapshot.render().trackColour.toDisplayString (false), "FF0000");

    snapshot.updateTrackProperties ({ juce::String(), juce::Colour() });   // empty name, transparent black
    snapshot.updateTrackProperties ({});                                    // nothing known
    EXPECT_EQ (snapshot.trackName, "Bass");
    EXPECT_EQ (snapshot.trackColour.toDisplayString (false), "FF0000");

    snapshot.updateTrackProperties ({ juce::String ("   "), juce::Colour (0x8000ff00) });
    EXPECT_EQ (snapshot.trackName, "");
    EXPECT_EQ (snapshot.trackColour.toDisplayString (false), "00FF00");
}
