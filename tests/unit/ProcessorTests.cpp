#include <gtest/gtest.h>

#include "plugin/PluginProcessor.h"

TEST (Processor, FreshDefaultsAndPrograms)
{
    QuillnoteProProcessor processor;
    EXPECT_EQ (processor.windowWidth, 1100);
    EXPECT_EQ (processor.windowHeight, 720);
    EXPECT_EQ (processor.transport.bpm, 120.0);
    EXPECT_EQ (processor.transport.timeSigNum, 4);
    EXPECT_EQ (processor.transport.positionSecs, 0.0);
    EXPECT_EQ (processor.transport.trackName, "");

    EXPECT_EQ (processor.getNumPrograms(), 1);
    processor.setCurrentProgram (3);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.getProgramName (5), "");
    EXPECT_FALSE (processor.isMidiEffect());
    EXPECT_TRUE (processor.hasEditor());
}

TEST (Processor, ProcessBlockLeavesAudioAndMidiAlone)
{
    QuillnoteProProcessor processor;
    juce::AudioBuffer<float> buffer (2, 64);
    for (int i = 0; i < 64; ++i)
    {
        buffer.setSample (0, i, (float) i / 64.0f);
        buffer.setSample (1, i, -std::numeric_limits<float>::denorm_min());
    }
    const juce::AudioBuffer<float> original (buffer);

    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 3);
    midi.addEvent (juce::MidiMessage::pitchWheel (2, 9000), 40);
    const juce::MidiBuffer originalMidi (midi);

    processor.processBlock (buffer, midi);

    for (int ch = 0; ch < 2; ++ch)
        EXPECT_EQ (std::memcmp (buffer.getReadPointer (ch), original.getReadPointer (ch), sizeof (float) * 64), 0);

    ASSERT_EQ (midi.getNumEvents(), 2);
    auto expected = originalMidi.begin();
    for (const auto metadata : midi)
    {
        const auto want = *expected++;
        EXPECT_EQ (metadata.samplePosition, want.samplePosition);
        EXPECT_EQ (metadata.numBytes, want.numBytes);
        EXPECT_EQ (std::memcmp (metadata.data, want.data, (size_t) want.numBytes), 0);
    }
}
