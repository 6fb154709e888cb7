#include "plugin/PluginProcessor.h"

#include "editor/PluginEditor.h"
#include "plugin/PersistedState.h"

QuillnoteProProcessor::QuillnoteProProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
}

QuillnoteProProcessor::~QuillnoteProProcessor() = default;

const juce::String QuillnoteProProcessor::getName() const { return "Quillnote"; }

void QuillnoteProProcessor::prepareToPlay (double, int) {}
void QuillnoteProProcessor::releaseResources() {}

void QuillnoteProProcessor::processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&)
{
    // Audio and MIDI pass through untouched: the host processes in place.
    transport.capture (getPlayHead());
}

double QuillnoteProProcessor::getTailLengthSeconds() const { return 0.0; }
bool QuillnoteProProcessor::acceptsMidi() const { return false; }
bool QuillnoteProProcessor::producesMidi() const { return false; }
bool QuillnoteProProcessor::isMidiEffect() const { return false; }

juce::AudioProcessorEditor* QuillnoteProProcessor::createEditor() { return new QuillnoteProEditor (*this); }
bool QuillnoteProProcessor::hasEditor() const { return true; }

int QuillnoteProProcessor::getNumPrograms() { return 1; }
int QuillnoteProProcessor::getCurrentProgram() { return 0; }
void QuillnoteProProcessor::setCurrentProgram (int) {}
const juce::String QuillnoteProProcessor::getProgramName (int) { return {}; }
void QuillnoteProProcessor::changeProgramName (int, const juce::String&) {}

void QuillnoteProProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    appendPersistedState ({ windowWidth.load(), windowHeight.load(), webState.get() }, destData);
}

void QuillnoteProProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    if (const auto restored = decodePersistedState (data, sizeInBytes))
    {
        windowWidth = restored->windowWidth;
        windowHeight = restored->windowHeight;
        webState.set (restored->webState);
    }
}

void QuillnoteProProcessor::updateTrackProperties (const TrackProperties& properties)
{
    transport.updateTrackProperties (properties);
}

bool QuillnoteProProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto output = layouts.getMainOutputChannelSet();

    if (output != juce::AudioChannelSet::mono() && output != juce::AudioChannelSet::stereo())
        return false;

    return layouts.getMainInputChannelSet() == output;
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new QuillnoteProProcessor();
}
