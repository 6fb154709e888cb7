#include "editor/ResourceProvider.h"

juce::String contentTypeForPath (const juce::String& path)
{
    static constexpr std::pair<const char*, const char*> types[] {
        { ".html", "text/html" },
        { ".js", "application/javascript" },
        { ".css", "text/css" },
        { ".svg", "image/svg+xml" },
        { ".png", "image/png" },
        { ".json", "application/json" },
        { ".wav", "audio/wav" },
    };

    for (const auto& [suffix, type] : types)
        if (path.endsWith (suffix))
            return type;

    return "application/octet-stream";
}

std::optional<juce::File> resolveWebPath (const juce::String& requestPath, const juce::File& webRoot)
{
    auto relative = (requestPath.isEmpty() || requestPath == "/") ? juce::String ("/index.html") : requestPath;

    if (relative.startsWith ("/"))
        relative = relative.substring (1);

    const auto file = webRoot.getChildFile (relative);

    if (! file.isAChildOf (webRoot))
        return {};

    return file;
}

static std::vector<std::byte> toBytes (const juce::String& text)
{
    const auto* start = reinterpret_cast<const std::byte*> (text.toRawUTF8());
    return { start, start + text.getNumBytesAsUTF8() };
}

static std::optional<juce::WebBrowserComponent::Resource> readWebFile (const juce::File& file, const juce::String& path)
{
    if (! file.existsAsFile())
        return {};

    const auto size = file.getSize();

    if (size <= 0)
        return {};

    std::vector<std::byte> bytes ((size_t) size);
    juce::FileInputStream stream (file);

    if (stream.openedOk())
        stream.read (bytes.data(), (int) bytes.size());

    return juce::WebBrowserComponent::Resource { std::move (bytes), contentTypeForPath (path) };
}

std::optional<juce::WebBrowserComponent::Resource> provideWebResource (const juce::String& requestPath,
                                                                       const juce::File& webRoot,
                                                                       const std::function<juce::String()>& transportScript)
{
    try
    {
        if (requestPath.contains ("transport.js") || requestPath.contains ("api/transport"))
            return juce::WebBrowserComponent::Resource { toBytes (transportScript()), "application/javascript" };

        const auto file = resolveWebPath (requestPath, webRoot);

        if (! file.has_value())
            return {};

        return readWebFile (*file, file->getFullPathName());
    }
    catch (...)
    {
        return {};
    }
}
