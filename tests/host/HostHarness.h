#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace host
{
    /** The bundle the build made, and the same plug-in with the fixture page. */
    juce::File productBundle();
    juce::File fixtureBundle();

    /** Loads the VST3 in the bundle through JUCE's hosting classes. */
    std::unique_ptr<juce::AudioPluginInstance> loadPlugin (const juce::File& bundle,
                                                           double sampleRate = 48000.0,
                                                           int blockSize = 512);

    /** Runs the message loop until the condition holds or the time is up. */
    bool pumpUntil (const std::function<bool()>& condition, int timeoutMs);
    void pumpFor (int milliseconds);

    /** A play head whose position the test sets. */
    struct TestPlayHead final : juce::AudioPlayHead
    {
        std::optional<PositionInfo> position;
        juce::Optional<PositionInfo> getPosition() const override;
    };

    /** Processes one block of the given layout through the plug-in. */
    void processSilence (juce::AudioPluginInstance& plugin, int numChannels, int numSamples);

    /** What the plug-in saves: its own block, taken out of the component
        state that JUCE's VST3 host wraps with the controller's. */
    juce::String savedState (juce::AudioPluginInstance& plugin);

    /** The plug-in's saved "webState" text, parsed as JSON (void if it is not). */
    juce::var savedPageReport (juce::AudioPluginInstance& plugin);

    /** Restores the plug-in's own block through the host's state stream. */
    void restorePluginBlock (juce::AudioPluginInstance& plugin, const juce::String& block);

    /** Restores a state block made of the given members. */
    void restoreState (juce::AudioPluginInstance& plugin, int width, int height, const juce::String& webState);

    /** The plug-in's editor in a desktop window, as a DAW shows it. */
    class EditorWindow
    {
    public:
        explicit EditorWindow (juce::AudioPluginInstance& plugin);
        ~EditorWindow();

        juce::AudioProcessorEditor* editor() const { return editorComponent.get(); }
        juce::int64 createdAtMs() const { return createdAt; }

        /** Closes and destroys the editor; returns how long that took. */
        juce::RelativeTime close();

    private:
        juce::AudioPluginInstance& plugin;
        std::unique_ptr<juce::DocumentWindow> window;
        std::unique_ptr<juce::AudioProcessorEditor> editorComponent;
        juce::int64 createdAt = 0;
    };

    /** The per-user debug log the plug-in writes (under the test's HOME). */
    juce::File debugLog();
}
