#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** What the editor shows behind the web view, and alone when the web view
    could not be set up: the dark background and, after a failed construction,
    the title and the reinstall message. */
void paintFallbackScreen (juce::Graphics& g, juce::Rectangle<int> area, bool constructionFailed);

juce::Colour fallbackBackgroundColour();
const juce::String& fallbackMessage();
