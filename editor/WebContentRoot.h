#pragma once

#include <juce_core/juce_core.h>

/** The version label in a web folder's "quillnote-web-version.txt", trimmed;
    empty when the file is missing or unreadable. */
juce::String readWebBundleStamp (const juce::File& webFolder);

/** True when the folder holds "index.html" as a regular file. */
bool hasWebIndex (const juce::File& webFolder);

/** Decides the folder the web app is served from, refreshing or seeding the
    per-user copy from the bundle first, and prepares the root and its "assets"
    folder. Every step is reported through log, in order.

    The per-user copy is refreshed when the bundle's stamp is set and differs
    from the copy's; it is seeded when it has no index. Nothing is ever deleted
    from it, so files the web app keeps there survive a refresh.
*/
juce::File decideWebRoot (const juce::File& dataWebFolder,
                          const juce::File& bundleWebFolder,
                          const std::function<void (const juce::String&)>& log);
