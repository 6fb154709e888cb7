#include <gtest/gtest.h>

#include "AllocationCounter.h"
#include "HostHarness.h"

namespace
{
    void fillWithNoise (juce::AudioBuffer<float>& buffer, juce::Random& random)
    {
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                buffer.setSample (ch, i, random.nextFloat() * 2.0f - 1.0f);

        buffer.setSample (0, 0, std::numeric_limits<float>::denorm_min());   // denormals pass too
    }

    juce::AudioProcessor::BusesLayout layoutOf (const juce::AudioChannelSet& set)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (set);
        layout.outputBuses.add (set);
        return layout;
    }
}

// The plug-in has no event buses, so the host hands it no MIDI and it
// produces none; that processBlock leaves MIDI alone is a unit test.
TEST (AudioPassThrough, SamplesComeBackBitIdenticalAndNoMidiIsProduced)
{
    for (const auto& set : { juce::AudioChannelSet::stereo(), juce::AudioChannelSet::mono() })
    {
        auto plugin = host::loadPlugin (host::productBundle());
        ASSERT_NE (plugin, nullptr);
        ASSERT_TRUE (plugin->setBusesLayout (layoutOf (set)));
        plugin->prepareToPlay (44100.0, 256);

        juce::Random random (7);
        for (int block = 0; block < 20; ++block)
        {
            juce::AudioBuffer<float> buffer (set.size(), 256);
            fillWithNoise (buffer, random);
            const juce::AudioBuffer<float> original (buffer);

            juce::MidiBuffer midi;
            midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 10);
            midi.addEvent (juce::MidiMessage::controllerEvent (1, 7, 64), 200);

            plugin->processBlock (buffer, midi);

            for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
                ASSERT_EQ (std::memcmp (buffer.getReadPointer (ch), original.getReadPointer (ch), sizeof (float) * 256), 0)
                    << set.getDescription() << " channel " << ch << " block " << block;

            EXPECT_EQ (midi.getNumEvents(), 0);
        }

        plugin->releaseResources();
    }
}

TEST (AudioPassThrough, ProcessBlockMakesNoHeapAllocation)
{
    auto plugin = host::loadPlugin (host::productBundle());
    ASSERT_NE (plugin, nullptr);
    plugin->prepareToPlay (48000.0, 512);

    host::TestPlayHead playHead;
    juce::AudioPlayHead::PositionInfo position;
    position.setIsPlaying (true);
    position.setBpm (128.0);
    position.setTimeSignature (juce::AudioPlayHead::TimeSignature { 4, 4 });
    position.setTimeInSamples (0);
    position.setTimeInSeconds (0.0);
    playHead.position = position;
    plugin->setPlayHead (&playHead);

    juce::AudioBuffer<float> buffer (2, 512);
    buffer.clear();
    juce::MidiBuffer midi;
    midi.ensureSize (1024);

    for (int i = 0; i < 10; ++i)   // let the host side settle its own buffers
        plugin->processBlock (buffer, midi);

    std::size_t allocations = 0;
    {
        const ScopedAllocationCounter counter;
        for (int i = 0; i < 1000; ++i)
        {
            position.setTimeInSamples (i * 512);
            position.setTimeInSeconds (i * 512 / 48000.0);
            playHead.position = position;
            plugin->processBlock (buffer, midi);
        }
        allocations = counter.count();
    }

    std::cout << "allocations in 1000 processed blocks: " << allocations << std::endl;
    EXPECT_EQ (allocations, 0u);
    plugin->setPlayHead (nullptr);
    plugin->releaseResources();
}

TEST (AudioPassThrough, AllocationCounterSeesAllocations)
{
    std::size_t allocations = 0;
    {
        const ScopedAllocationCounter counter;
        auto* volatile p = std::malloc (16);
        std::free (p);
        auto text = std::make_unique<std::string> (100, 'x');
        allocations = counter.count();
    }
    EXPECT_GE (allocations, 2u);
}
