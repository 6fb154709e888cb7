#include "editor/FallbackScreen.h"

juce::Colour fallbackBackgroundColour()
{
    return juce::Colour (0xff0f0f1a);
}

const juce::String& fallbackMessage()
{
    static const juce::String message ("The plugin web view could not be initialised.\n\n"
                                       "Quit your DAW, reinstall Quillnote, then try again.\n"
                                       "If macOS blocked the plugin, run:\n"
                                       "xattr -cr ~/Library/Audio/Plug-Ins/VST3/Quillnote.vst3");
    return message;
}

void paintFallbackScreen (juce::Graphics& g, juce::Rectangle<int> area, bool constructionFailed)
{
    g.setColour (fallbackBackgroundColour());
    g.fillRect (area);

    if (! constructionFailed)
        return;

    g.setColour (juce::Colours::white);
    g.setFont (juce::FontOptions (18.0f));
    g.drawText ("Quillnote", area.withHeight (juce::jmin (area.getHeight(), 60)), juce::Justification::centred, true);

    g.setColour (juce::Colour (0xffaaaaaa));
    g.setFont (juce::FontOptions (13.0f));
    g.drawFittedText (fallbackMessage(), area.reduced (40), juce::Justification::centred, 6, 0.0f);
}
