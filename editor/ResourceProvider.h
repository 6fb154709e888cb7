#pragma once

#include <juce_gui_extra/juce_gui_extra.h>

/** The content type for a served path, by its case-sensitive suffix. */
juce::String contentTypeForPath (const juce::String& path);

/** The file a request path names under the web root, or nothing when the path
    leads outside it (".." steps, a second leading "/", an absolute path). */
std::optional<juce::File> resolveWebPath (const juce::String& requestPath, const juce::File& webRoot);

/** Answers one request of the web view under the resource provider root.

    Paths containing "transport.js" or "api/transport" get the live transport
    script from transportScript; "/" and "" get index.html; every other path is
    a non-empty regular file under webRoot or no resource (404).
*/
std::optional<juce::WebBrowserComponent::Resource> provideWebResource (const juce::String& requestPath,
                                                                       const juce::File& webRoot,
                                                                       const std::function<juce::String()>& transportScript);
