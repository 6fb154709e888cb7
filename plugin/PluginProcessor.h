#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include "plugin/GuardedValue.h"
#include "plugin/TransportSnapshot.h"

/** The plug-in instance the host creates: an untouched mono or stereo
    pass-through that keeps what must outlive the editor window. */
class QuillnoteProProcessor final : public juce::AudioProcessor
{
public:
    QuillnoteProProcessor();
    ~QuillnoteProProcessor() override;

    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlock;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    void updateTrackProperties (const TrackProperties& properties) override;
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    // The web app's state text and the editor's last size. Written on the
    // message thread; the host may save or restore on another thread.
    GuardedValue<juce::String> webState;
    std::atomic<int> windowWidth { 1100 };
    std::atomic<int> windowHeight { 720 };

    TransportSnapshot transport;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuillnoteProProcessor)
};
