// processBlock against an empty in-place processor, both driven with the same
// play head, buffers and block count in one run; prints the ratio.
#include "plugin/PluginProcessor.h"

#include <chrono>
#include <iostream>

namespace
{
    struct EmptyProcessor final : juce::AudioProcessor
    {
        EmptyProcessor()
            : juce::AudioProcessor (BusesProperties().withInput ("Input", juce::AudioChannelSet::stereo())
                                                     .withOutput ("Output", juce::AudioChannelSet::stereo())) {}
        const juce::String getName() const override { return "Empty"; }
        void prepareToPlay (double, int) override {}
        void releaseResources() override {}
        void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
        double getTailLengthSeconds() const override { return 0.0; }
        bool acceptsMidi() const override { return false; }
        bool producesMidi() const override { return false; }
        juce::AudioProcessorEditor* createEditor() override { return nullptr; }
        bool hasEditor() const override { return false; }
        int getNumPrograms() override { return 1; }
        int getCurrentProgram() override { return 0; }
        void setCurrentProgram (int) override {}
        const juce::String getProgramName (int) override { return {}; }
        void changeProgramName (int, const juce::String&) override {}
        void getStateInformation (juce::MemoryBlock&) override {}
        void setStateInformation (const void*, int) override {}
    };

    struct MovingPlayHead final : juce::AudioPlayHead
    {
        juce::int64 samples = 0;
        juce::Optional<PositionInfo> getPosition() const override
        {
            PositionInfo info;
            info.setIsPlaying (true);
            info.setBpm (124.0);
            info.setTimeSignature (TimeSignature { 4, 4 });
            info.setTimeInSamples (samples);
            info.setTimeInSeconds ((double) samples / 48000.0);
            return info;
        }
    };

    double nanosecondsPerBlock (juce::AudioProcessor& processor, int blocks)
    {
        MovingPlayHead playHead;
        processor.setPlayHead (&playHead);
        processor.prepareToPlay (48000.0, 128);
        juce::AudioBuffer<float> buffer (2, 128);
        buffer.clear();
        juce::MidiBuffer midi;

        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < blocks; ++i)
        {
            playHead.samples += 128;
            processor.processBlock (buffer, midi);
        }
        const auto elapsed = std::chrono::steady_clock::now() - start;

        processor.setPlayHead (nullptr);
        return (double) std::chrono::duration_cast<std::chrono::nanoseconds> (elapsed).count() / blocks;
    }
}

int main()
{
    const juce::ScopedJuceInitialiser_GUI juce;
    constexpr int blocks = 2'000'000;

    QuillnoteProProcessor quillnote;
    EmptyProcessor empty;

    // warm up both, then alternate to even out frequency changes
    nanosecondsPerBlock (empty, blocks / 10);
    nanosecondsPerBlock (quillnote, blocks / 10);
    double baseline = 0.0, measured = 0.0;
    for (int round = 0; round < 3; ++round)
    {
        baseline += nanosecondsPerBlock (empty, blocks);
        measured += nanosecondsPerBlock (quillnote, blocks);
    }

    std::cout << "processBlock, 128 samples, stereo, with a play head:\n"
              << "  empty in-place processor  " << baseline / 3 << " ns/block\n"
              << "  Quillnote                 " << measured / 3 << " ns/block\n"
              << "  ratio                     " << measured / baseline << "\n";
    return 0;
}
