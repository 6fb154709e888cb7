#include <gtest/gtest.h>

#include "HostHarness.h"

TEST (State, FreshInstanceSavesTheDefaultBlock)
{
    auto plugin = host::loadPlugin (host::productBundle());
    ASSERT_NE (plugin, nullptr);
    EXPECT_EQ (host::savedState (*plugin),
               "{\r\n  \"windowWidth\": 1100,\r\n  \"windowHeight\": 720,\r\n  \"webState\": \"\",\r\n  \"version\": 2\r\n}");
}

TEST (State, SaveAndRestoreThroughTheVst3StateStream)
{
    const auto webState = juce::String::fromUTF8 ("{\"notes\":[{\"text\":\"Tom's \\\"take 3\\\" C:\\\\mix\\nnext line caf\xc3\xa9 \xe6\xb7\xb7\xe9\x9f\xb3 \xf0\x9f\x8e\x9b\"}],\"version\":3}");

    auto original = host::loadPlugin (host::productBundle());
    ASSERT_NE (original, nullptr);
    host::restoreState (*original, 1500, 900, webState);

    juce::MemoryBlock saved;
    original->getStateInformation (saved);

    auto restored = host::loadPlugin (host::productBundle());
    ASSERT_NE (restored, nullptr);
    restored->setStateInformation (saved.getData(), (int) saved.getSize());

    const auto state = juce::JSON::parse (host::savedState (*restored));
    EXPECT_EQ ((int) state["windowWidth"], 1500);
    EXPECT_EQ ((int) state["windowHeight"], 900);
    EXPECT_EQ (state["webState"].toString(), webState);
    EXPECT_EQ ((int) state["version"], 2);

    // clamped on restore, and a block that is not an object changes nothing
    host::restoreState (*restored, 5000, 100, "x");
    auto clamped = juce::JSON::parse (host::savedState (*restored));
    EXPECT_EQ ((int) clamped["windowWidth"], 1920);
    EXPECT_EQ ((int) clamped["windowHeight"], 400);

    host::restorePluginBlock (*restored, "[\"webState\"]");
    EXPECT_EQ (juce::JSON::parse (host::savedState (*restored))["webState"].toString(), "x");
}
