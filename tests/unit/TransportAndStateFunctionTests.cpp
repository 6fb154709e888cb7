#include <gtest/gtest.h>

#include "bridge/NativeFunctionTable.h"
#include "bridge/TransportAndStateFunctions.h"
#include "plugin/PluginProcessor.h"

namespace
{
    struct Call
    {
        int completions = 0;
        juce::var result;

        NativeBridge::Completion completion()
        {
            return [this] (juce::var value) { ++completions; result = std::move (value); };
        }
    };
}

TEST (NativeFunctionTable, NamesInRegistrationOrder)
{
    juce::StringArray names;
    for (const auto& entry : NativeBridge::functionTable())
        names.add (entry.name);
    EXPECT_EQ (names, juce::StringArray ("getTransport", "saveState"));
}

TEST (GetTransport, FreshProcessorAnswersDisconnectedDefaults)
{
    QuillnoteProProcessor processor;
    processor.transport.trackName = "Tom's \"Kick\" \\";
    Call call;
    NativeBridge::getTransport (processor, { juce::var ("ignored") }, call.completion());

    ASSERT_EQ (call.completions, 1);
    EXPECT_EQ (juce::JSON::toString (call.result, true),
               R"({"connected": false, "playing": false, "recording": false, "bpm": 0.0, "timeSigNum": 4, "timeSigDen": 4, )"
               R"("positionSecs": 0.0, "positionFormatted": "0:00.000", "trackName": "Tom's \"Kick\" \\", "trackColour": "000000"})");
}

TEST (SaveState, StoresOnlyTextAndAlwaysAnswersTrue)
{
    QuillnoteProProcessor processor;
    processor.webState.set ("kept");

    auto* object = new juce::DynamicObject();
    const juce::Array<juce::var> ignored[] { {}, { 5 }, { juce::var (object) }, { juce::var() } };
    for (const auto& arguments : ignored)
    {
        Call call;
        NativeBridge::saveState (processor, arguments, call.completion());
        EXPECT_EQ (call.completions, 1);
        EXPECT_TRUE (call.result.isBool() && (bool) call.result);
        EXPECT_EQ (processor.webState.get(), "kept");
    }

    Call first;
    NativeBridge::saveState (processor, { "{\"a\":1}", "second" }, first.completion());
    EXPECT_EQ (processor.webState.get(), "{\"a\":1}");

    Call empty;
    NativeBridge::saveState (processor, { "" }, empty.completion());
    EXPECT_EQ (processor.webState.get(), "");
    EXPECT_TRUE ((bool) empty.result);
}
