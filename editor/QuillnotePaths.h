#pragma once

#include <juce_core/juce_core.h>

/** The special locations the plug-in reads and writes, computed in one place.

    The per-user data folder is "QuillnotePro" inside the user application data
    directory (~/Library on macOS, ~/.config on Linux). The bundle's web folder
    is found from the plug-in's own binary: two folders up, then Resources/web
    (Quillnote.vst3/Contents/Resources/web for Contents/<arch>/Quillnote.so).
*/
namespace QuillnotePaths
{
    juce::File userDataFolder();
    juce::File debugLogFile();
    juce::File dataWebFolder();
    juce::File bundleWebFolder();

    /** The bundle's web folder for a given plug-in binary. */
    juce::File bundleWebFolderFor (const juce::File& executable);
}
