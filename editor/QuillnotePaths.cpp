#include "editor/QuillnotePaths.h"

namespace QuillnotePaths
{
    juce::File userDataFolder()
    {
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory).getChildFile ("QuillnotePro");
    }

    juce::File debugLogFile()
    {
        return userDataFolder().getChildFile ("debug.log");
    }

    juce::File dataWebFolder()
    {
        return userDataFolder().getChildFile ("web");
    }

    juce::File bundleWebFolderFor (const juce::File& executable)
    {
        return executable.getParentDirectory().getParentDirectory().getChildFile ("Resources").getChildFile ("web");
    }

    juce::File bundleWebFolder()
    {
        return bundleWebFolderFor (juce::File::getSpecialLocation (juce::File::currentExecutableFile));
    }
}
