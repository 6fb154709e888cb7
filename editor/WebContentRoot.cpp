#include "editor/WebContentRoot.h"

juce::String readWebBundleStamp (const juce::File& webFolder)
{
    const auto stampFile = webFolder.getChildFile ("quillnote-web-version.txt");

    if (! stampFile.existsAsFile())
        return {};

    juce::FileInputStream stream (stampFile);

    if (! stream.openedOk())
        return {};

    return stream.readEntireStreamAsString().trim();
}

bool hasWebIndex (const juce::File& webFolder)
{
    return webFolder.getChildFile ("index.html").existsAsFile();
}

static void copyWebFolder (const juce::File& from, const juce::File& to)
{
    to.createDirectory();
    from.copyDirectoryTo (to);
}

juce::File decideWebRoot (const juce::File& dataWebFolder,
                          const juce::File& bundleWebFolder,
                          const std::function<void (const juce::String&)>& log)
{
    const auto bundleStamp = readWebBundleStamp (bundleWebFolder);
    const auto dataStamp = readWebBundleStamp (dataWebFolder);
    const auto bundleHasIndex = hasWebIndex (bundleWebFolder);

    if (bundleHasIndex && bundleStamp.isNotEmpty() && bundleStamp != dataStamp)
    {
        log ("Refreshing AppData web (" + dataStamp + " -> " + bundleStamp + ")");
        copyWebFolder (bundleWebFolder, dataWebFolder);
    }
    else if (! hasWebIndex (dataWebFolder) && bundleHasIndex)
    {
        log ("Seeding AppData web from VST3 bundle: " + bundleWebFolder.getFullPathName());
        copyWebFolder (bundleWebFolder, dataWebFolder);
    }

    auto root = dataWebFolder;

    if (! hasWebIndex (dataWebFolder))
    {
        if (bundleHasIndex)
        {
            root = bundleWebFolder;
            log ("Using bundled web root: " + root.getFullPathName());
        }
        else
        {
            log (juce::String::fromUTF8 ("No web assets found \xe2\x80\x94 AppData and bundle both missing index.html"));
        }
    }

    log ("webRoot = " + root.getFullPathName());
    root.createDirectory();
    root.getChildFile ("assets").createDirectory();
    return root;
}
