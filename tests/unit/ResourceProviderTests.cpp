#include <gtest/gtest.h>

#include "editor/ResourceProvider.h"

namespace
{
    struct WebRoot
    {
        juce::TemporaryFile temp { "provider-test" };
        juce::File base = temp.getFile();
        juce::File root = base.getChildFile ("web");

        WebRoot()
        {
            write ("index.html", "<html>");
            write ("assets/app.js", "export {}");
            write ("Index.HTML", "upper");
            write ("app.mjs", "module");
            write ("style.css", "body{}");
            write ("data/levels.json", "[]");
            write ("a.svg", "<svg/>");
            write ("a.png", "png");
            write ("a.wav", "RIFF");
            write ("notes.txt", "text");
            root.getChildFile ("empty.txt").create();
            root.getChildFile ("sub").createDirectory();
            base.getChildFile ("secret.txt").replaceWithText ("outside");
        }

        ~WebRoot() { base.deleteRecursively(); }

        void write (const juce::String& path, const juce::String& text) const
        {
            root.getChildFile (path).getParentDirectory().createDirectory();
            root.getChildFile (path).replaceWithText (text);
        }

        std::optional<juce::WebBrowserComponent::Resource> get (const juce::String& path) const
        {
            return provideWebResource (path, root, [] { return juce::String ("window.__transportData={connected:false};"); });
        }
    };

    juce::String bodyOf (const juce::WebBrowserComponent::Resource& resource)
    {
        return juce::String::fromUTF8 (reinterpret_cast<const char*> (resource.data.data()), (int) resource.data.size());
    }
}

TEST (ResourceProvider, ServesFilesWithTheirContentTypes)
{
    const WebRoot web;
    struct Case { const char* path; const char* body; const char* type; };
    const Case cases[] {
        { "", "<html>", "text/html" },
        { "/", "<html>", "text/html" },
        { "/assets/app.js", "export {}", "application/javascript" },
        { "/Index.HTML", "upper", "application/octet-stream" },
        { "/app.mjs", "module", "application/octet-stream" },
        { "/style.css", "body{}", "text/css" },
        { "/data/levels.json", "[]", "application/json" },
        { "/a.svg", "<svg/>", "image/svg+xml" },
        { "/a.png", "png", "image/png" },
        { "/a.wav", "RIFF", "audio/wav" },
        { "/notes.txt", "text", "application/octet-stream" },
        { "/sub/../index.html", "<html>", "text/html" },
    };

    for (const auto& c : cases)
    {
        const auto answer = web.get (c.path);
        ASSERT_TRUE (answer.has_value()) << c.path;
        EXPECT_EQ (bodyOf (*answer), c.body) << c.path;
        EXPECT_EQ (answer->mimeType, c.type) << c.path;
    }
}

TEST (ResourceProvider, TransportPathsAnswerTheLiveScript)
{
    const WebRoot web;
    for (const auto* path : { "/transport.js", "/static/transport.js", "/api/transport", "/api/transport/now", "/data/transport.json" })
    {
        const auto answer = web.get (path);
        ASSERT_TRUE (answer.has_value()) << path;
        EXPECT_EQ (bodyOf (*answer), "window.__transportData={connected:false};") << path;
        EXPECT_EQ (answer->mimeType, "application/javascript") << path;
    }
}

TEST (ResourceProvider, RefusesMissingEmptyDirectoriesAndEscapes)
{
    const WebRoot web;
    for (const auto* path : { "/missing.js", "/empty.txt", "/sub", "/sub/",
                              "/../secret.txt", "/assets/../../secret.txt", "//etc/passwd",
                              "/~/secret.txt", "/..", "/../web/../secret.txt" })
        EXPECT_FALSE (web.get (path).has_value()) << path;

    const auto absolute = web.base.getChildFile ("secret.txt").getFullPathName();
    EXPECT_FALSE (web.get ("/" + absolute).has_value());
}

TEST (ResourceProvider, ExceptionsAnswerNoResource)
{
    const WebRoot web;
    const auto answer = provideWebResource ("/transport.js", web.root, []() -> juce::String { throw std::runtime_error ("render failed"); });
    EXPECT_FALSE (answer.has_value());
}
