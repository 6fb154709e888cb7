#include <gtest/gtest.h>

#include "HostHarness.h"

#include <signal.h>
#include <unistd.h>

namespace
{
    // The web view's helper processes, children of this host process.
    juce::Array<int> webViewChildren()
    {
        juce::Array<int> children;
        for (const auto& entry : juce::RangedDirectoryIterator (juce::File ("/proc"), false, "*", juce::File::findDirectories))
        {
            const auto pid = entry.getFile().getFileName().getIntValue();
            const auto stat = entry.getFile().getChildFile ("stat").loadFileAsString();
            const auto parent = stat.fromLastOccurrenceOf (")", false, false).trim().fromFirstOccurrenceOf (" ", false, false).getIntValue();
            if (pid > 0 && parent == (int) getpid()
                && entry.getFile().getChildFile ("cmdline").loadFileAsString().contains ("juce_linux_subprocess"))
                children.add (pid);
        }
        return children;
    }

    // Quotes, a backslash, line breaks and non-ASCII text (accents, CJK, an emoji).
    const juce::String storedState = juce::String::fromUTF8 (
        "{\"notes\":[{\"text\":\"Tom's \\\"take\\\" C:\\\\mix\\nsecond line\\r\\n"
        "caf\xc3\xa9 \xe6\xb7\xb7\xe9\x9f\xb3 \xf0\x9f\x8e\x9b\"}],\"activities\":[],\"audioFiles\":[],\"version\":3}");

    juce::var waitForReport (juce::AudioPluginInstance& plugin, const std::function<bool (const juce::var&)>& ready, int timeoutMs = 20000)
    {
        juce::var report;
        host::pumpUntil ([&]
        {
            report = host::savedPageReport (plugin);
            return report.isObject() && ready (report);
        }, timeoutMs);
        return report;
    }

    juce::String sessionIdOf (const juce::String& injected)
    {
        return juce::JSON::parse (injected)["sessionId"].toString();
    }

    juce::var findTransport (const juce::var& report, const std::function<bool (const juce::var&)>& matches)
    {
        if (const auto* transports = report["transports"].getArray())
            for (const auto& t : *transports)
                if (matches (t))
                    return t;
        return {};
    }

    juce::AudioPlayHead::PositionInfo positionAt (double seconds, bool playing, std::optional<double> bpm)
    {
        juce::AudioPlayHead::PositionInfo position;
        position.setIsPlaying (playing);
        position.setBpm (bpm);
        position.setTimeSignature (juce::AudioPlayHead::TimeSignature { 3, 4 });
        position.setTimeInSamples ((juce::int64) (seconds * 48000.0));
        position.setTimeInSeconds (seconds);
        return position;
    }

    juce::StringArray logMessages()
    {
        juce::StringArray messages;
        for (const auto& line : juce::StringArray::fromLines (host::debugLog().loadFileAsString()))
            if (line.contains ("  "))
                messages.add (line.fromFirstOccurrenceOf ("  ", false, false).trimCharactersAtEnd ("\r"));
        return messages;
    }

    bool containsInOrder (const juce::StringArray& lines, const juce::StringArray& expected)
    {
        int next = 0;
        for (const auto& line : lines)
            if (next < expected.size() && line == expected[next])
                ++next;
        return next == expected.size();
    }
}

TEST (WebView, StateAndTransportReachThePageAndComeBack)
{
    auto plugin = host::loadPlugin (host::fixtureBundle());
    ASSERT_NE (plugin, nullptr);
    host::TestPlayHead playHead;
    plugin->setPlayHead (&playHead);
    plugin->prepareToPlay (48000.0, 512);
    host::restoreState (*plugin, 700, 400, storedState);   // too small: the editor opens at 1100 x 720

    auto editorWindow = std::make_unique<host::EditorWindow> (*plugin);
    ASSERT_NE (editorWindow->editor(), nullptr);
    EXPECT_EQ (editorWindow->editor()->getWidth(), 1100);
    EXPECT_EQ (editorWindow->editor()->getHeight(), 720);

    auto report = waitForReport (*plugin, [] (const juce::var& r)
    {
        return r["imported"].size() == 1 && r["transportJs"].isString() && r["apiTransport"].isString()
            && r["transports"].size() >= 1 && (int) r["transportEvents"] > 0;
    });
    ASSERT_TRUE (report.isObject()) << host::savedState (*plugin);
    ASSERT_EQ (report["imported"].size(), 1) << juce::JSON::toString (report);

    // the stored state arrives intact, tagged with the session id as its first member
    const auto injected = report["imported"][0].toString();
    const auto sessionId = sessionIdOf (injected);
    EXPECT_TRUE (sessionId.containsOnly ("0123456789") && sessionId.isNotEmpty()) << injected;
    EXPECT_EQ (injected, "{\"sessionId\":\"" + sessionId + "\"," + storedState.substring (1));
    EXPECT_TRUE ((bool) report["juceConnectedAtStart"]);
    EXPECT_EQ (report["errors"].size(), 0) << juce::JSON::toString (report["errors"]);
    std::cout << "editor creation to importState: " << ((juce::int64) report["importedAtMs"][0] - editorWindow->createdAtMs()) << " ms" << std::endl;

    const auto first = report["transports"][0];
    EXPECT_FALSE ((bool) first["connected"]);
    EXPECT_EQ ((double) first["bpm"], 0.0);
    EXPECT_EQ (first["positionFormatted"].toString(), "0:00.000");
    EXPECT_TRUE (report["transportJs"].toString().startsWith ("window.__transportData={connected:false,playing:false,"));
    EXPECT_EQ (report["apiTransport"], report["transportJs"]);

    // the host plays at 96 BPM in 3/4, 75.25 s in, on a red track named Lead Vox
    plugin->updateTrackProperties ({ juce::String ("  Lead Vox "), juce::Colour (0xffff0000) });
    playHead.position = positionAt (75.25, true, 96.0);
    host::processSilence (*plugin, 2, 512);

    report = waitForReport (*plugin, [] (const juce::var& r)
    {
        return findTransport (r, [] (const juce::var& t) { return (bool) t["playing"] && t["trackName"] == "Lead Vox"; }).isObject()
            && r["lastTransportEvent"]["trackName"] == "Lead Vox" && (bool) r["lastTransportEvent"]["playing"];
    });
    const auto playing = findTransport (report, [] (const juce::var& t) { return (bool) t["playing"] && t["trackName"] == "Lead Vox"; });
    ASSERT_TRUE (playing.isObject()) << juce::JSON::toString (report["transports"]);
    EXPECT_TRUE ((bool) playing["connected"]);
    EXPECT_FALSE ((bool) playing["recording"]);
    EXPECT_EQ ((double) playing["bpm"], 96.0);
    EXPECT_EQ ((int) playing["timeSigNum"], 3);
    EXPECT_EQ ((int) playing["timeSigDen"], 4);
    EXPECT_NEAR ((double) playing["positionSecs"], 75.25, 1e-9);
    EXPECT_EQ (playing["positionFormatted"].toString(), "1:15.250");
    EXPECT_EQ (playing["trackColour"].toString(), "FF0000");
    EXPECT_EQ (juce::JSON::toString (report["lastTransportEvent"]), juce::JSON::toString (playing));
    EXPECT_EQ (report["transportData"]["positionFormatted"].toString(), "1:15.250");
    EXPECT_EQ (report["transportData"]["trackName"].toString(), "Lead Vox");

    // stopped, and this time the host sends no tempo: the last tempo stays
    playHead.position = positionAt (80.0, false, std::nullopt);
    host::processSilence (*plugin, 2, 512);
    report = waitForReport (*plugin, [] (const juce::var& r)
    {
        return findTransport (r, [] (const juce::var& t) { return (bool) t["connected"] && ! (bool) t["playing"]; }).isObject();
    });
    const auto stopped = findTransport (report, [] (const juce::var& t) { return (bool) t["connected"] && ! (bool) t["playing"]; });
    ASSERT_TRUE (stopped.isObject()) << juce::JSON::toString (report["transports"]);
    EXPECT_EQ ((double) stopped["bpm"], 96.0);
    EXPECT_EQ (stopped["positionFormatted"].toString(), "1:20.000");

    // the editor logs its construction in order
    const auto root = juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory).getChildFile ("QuillnotePro/web");
    EXPECT_TRUE (containsInOrder (logMessages(), {
        "Editor constructor START", "setSize done: 1100x720", "Window properties set",
        "Refreshing AppData web ( -> fixture-1)", "webRoot = " + root.getFullPathName(), "About to call setupWebView()",
        "setupWebView() START", "Building WebView options...", "Options built. Creating WebBrowserComponent...",
        "WebBrowserComponent created OK", "addAndMakeVisible OK", "index.html exists = YES",
        "webRoot = " + root.getFullPathName(), "Navigating to resource provider root", "setupWebView() END",
        "setupWebView() returned OK", "Timer started", "Editor constructor END" }))
        << logMessages().joinIntoString ("\n");

    // closing after a resize writes the size back
    editorWindow->editor()->setSize (1500, 900);
    host::pumpFor (300);
    editorWindow->close();
    auto saved = juce::JSON::parse (host::savedState (*plugin));
    EXPECT_EQ ((int) saved["windowWidth"], 1500);
    EXPECT_EQ ((int) saved["windowHeight"], 900);

    // a second editor in the same process gets the same session id and the stored state
    editorWindow = std::make_unique<host::EditorWindow> (*plugin);
    EXPECT_EQ (editorWindow->editor()->getWidth(), 1500);
    // (its page imports the first page's report, which the timer pulled)
    report = waitForReport (*plugin, [] (const juce::var& r)
    {
        return r["imported"].size() == 1 && r["imported"][0].toString().contains ("\"juceConnectedAtStart\"");
    });
    ASSERT_EQ (report["imported"].size(), 1);
    EXPECT_EQ (sessionIdOf (report["imported"][0].toString()), sessionId);

    // saveState stores at once; an empty page state never replaces it
    plugin->updateTrackProperties ({ juce::String ("save now"), std::nullopt });
    report = waitForReport (*plugin, [] (const juce::var& r) { return (bool) r["viaSaveState"]; });
    ASSERT_TRUE ((bool) report["viaSaveState"]) << host::savedState (*plugin).substring (0, 400);
    EXPECT_EQ (juce::JSON::toString (report["saveStateAnswers"], true), "[true, true]");
    host::pumpFor (1500);
    EXPECT_TRUE ((bool) host::savedPageReport (*plugin)["viaSaveState"]);

    editorWindow.reset();
    plugin->setPlayHead (nullptr);
}

TEST (WebViewLifecycle, ClosingAnEditorWithALargeStateEndsQuickly)
{
    auto plugin = host::loadPlugin (host::fixtureBundle());
    ASSERT_NE (plugin, nullptr);
    host::EditorWindow editorWindow (*plugin);

    plugin->updateTrackProperties ({ juce::String ("pad 1100000"), std::nullopt });
    const auto report = waitForReport (*plugin, [] (const juce::var& r) { return r["padding"].toString().length() > 1000000; });
    ASSERT_GT (report["padding"].toString().length(), 1000000);

    // a helper that does not answer the request to quit (here: stopped) must
    // not keep the host waiting for ever
    const auto children = webViewChildren();
    ASSERT_FALSE (children.isEmpty());
    for (const auto pid : children)
        kill (pid, SIGSTOP);

    const auto closing = editorWindow.close();
    for (const auto pid : children)
        EXPECT_NE (kill (pid, 0) == 0 && juce::File ("/proc/" + juce::String (pid)).isDirectory(), true) << "helper " << pid << " still there";
    std::cout << "closing an editor holding a 1 MB state, its helper stopped, took " << closing.inMilliseconds() << " ms" << std::endl;
    EXPECT_LT (closing.inSeconds(), 5.0);
    EXPECT_GT (host::savedState (*plugin).length(), 1000000);
}

TEST (WebViewLifecycle, InstancesComeAndGoInOneProcess)
{
    for (int round = 0; round < 3; ++round)
    {
        auto plugin = host::loadPlugin (host::fixtureBundle());
        ASSERT_NE (plugin, nullptr);
        {
            host::EditorWindow editorWindow (*plugin);
            const auto report = waitForReport (*plugin, [] (const juce::var& r) { return r["imported"].size() == 1; });
            ASSERT_EQ (report["imported"].size(), 1) << "round " << round;
        }
        plugin.reset();   // the last instance: the plug-in's JUCE shuts down
        host::pumpFor (1500);
    }
}
