#include "HostHarness.h"


namespace host
{
    juce::File productBundle() { return juce::File (QUILLNOTE_VST3_BUNDLE); }
    juce::File fixtureBundle() { return juce::File (QUILLNOTE_FIXTURE_BUNDLE); }

    std::unique_ptr<juce::AudioPluginInstance> loadPlugin (const juce::File& bundle, double sampleRate, int blockSize)
    {
        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> types;
        format.findAllTypesForFile (types, bundle.getFullPathName());

        if (types.isEmpty())
            return {};

        juce::String error;
        auto instance = format.createInstanceFromDescription (*types[0], sampleRate, blockSize, error);
        return instance;
    }

    bool pumpUntil (const std::function<bool()>& condition, int timeoutMs)
    {
        const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

        while (! condition())
        {
            if (juce::Time::getMillisecondCounter() > deadline)
                return false;

            juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
        }

        return true;
    }

    void pumpFor (int milliseconds)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
    }

    juce::Optional<juce::AudioPlayHead::PositionInfo> TestPlayHead::getPosition() const
    {
        if (position.has_value())
            return *position;
        return {};
    }

    void processSilence (juce::AudioPluginInstance& plugin, int numChannels, int numSamples)
    {
        juce::AudioBuffer<float> buffer (numChannels, numSamples);
        buffer.clear();
        juce::MidiBuffer midi;
        plugin.processBlock (buffer, midi);
    }

    juce::String savedState (juce::AudioPluginInstance& plugin)
    {
        juce::MemoryBlock hostBlock;
        plugin.getStateInformation (hostBlock);
        const auto xml = juce::AudioProcessor::getXmlFromBinary (hostBlock.getData(), (int) hostBlock.getSize());

        if (xml == nullptr || xml->getChildByName ("IComponent") == nullptr)
            return {};

        juce::MemoryBlock component;
        component.fromBase64Encoding (xml->getChildByName ("IComponent")->getAllSubText());
        return juce::String::fromUTF8 (static_cast<const char*> (component.getData()), (int) component.getSize());
    }

    void restorePluginBlock (juce::AudioPluginInstance& plugin, const juce::String& block)
    {
        juce::MemoryBlock component (block.toRawUTF8(), block.getNumBytesAsUTF8());
        juce::XmlElement state ("VST3PluginState");
        state.createNewChildElement ("IComponent")->addTextElement (component.toBase64Encoding());
        juce::MemoryBlock hostBlock;
        juce::AudioProcessor::copyXmlToBinary (state, hostBlock);
        plugin.setStateInformation (hostBlock.getData(), (int) hostBlock.getSize());
    }

    juce::var savedPageReport (juce::AudioPluginInstance& plugin)
    {
        const auto stored = juce::JSON::parse (savedState (plugin));
        return juce::JSON::parse (stored.getProperty ("webState", {}).toString());
    }

    void restoreState (juce::AudioPluginInstance& plugin, int width, int height, const juce::String& webState)
    {
        auto object = juce::DynamicObject::Ptr (new juce::DynamicObject());
        object->setProperty ("windowWidth", width);
        object->setProperty ("windowHeight", height);
        object->setProperty ("webState", webState);
        object->setProperty ("version", 2);
        restorePluginBlock (plugin, juce::JSON::toString (juce::var (object.get()), false));
    }

    EditorWindow::EditorWindow (juce::AudioPluginInstance& p) : plugin (p)
    {
        createdAt = juce::Time::currentTimeMillis();
        editorComponent.reset (plugin.createEditorIfNeeded());

        if (editorComponent == nullptr)
            return;

        window = std::make_unique<juce::DocumentWindow> ("Quillnote", juce::Colours::black, 0);
        window->setUsingNativeTitleBar (true);
        window->setContentNonOwned (editorComponent.get(), true);
        window->setTopLeftPosition (0, 0);
        window->setVisible (true);
    }

    EditorWindow::~EditorWindow()
    {
        close();
    }

    juce::RelativeTime EditorWindow::close()
    {
        const auto start = juce::Time::getMillisecondCounterHiRes();

        if (window != nullptr)
            window->clearContentComponent();

        editorComponent.reset();
        window.reset();
        return juce::RelativeTime::milliseconds ((juce::int64) (juce::Time::getMillisecondCounterHiRes() - start));
    }

    juce::File debugLog()
    {
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
            .getChildFile ("QuillnotePro").getChildFile ("debug.log");
    }
}
