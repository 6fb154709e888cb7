#include <gtest/gtest.h>

#include "plugin/PersistedState.h"
#include "plugin/PluginProcessor.h"

namespace
{
    std::optional<PersistedState> decodeText (const juce::String& text)
    {
        return decodePersistedState (text.toRawUTF8(), (int) text.getNumBytesAsUTF8());
    }

    juce::MemoryBlock saved (QuillnoteProProcessor& processor)
    {
        juce::MemoryBlock block;
        processor.getStateInformation (block);
        return block;
    }
}

TEST (PersistedState, FreshProcessorStoresFiveLines)
{
    QuillnoteProProcessor processor;
    EXPECT_EQ (saved (processor).toString(),
               "{\r\n  \"windowWidth\": 1100,\r\n  \"windowHeight\": 720,\r\n  \"webState\": \"\",\r\n  \"version\": 2\r\n}");
}

TEST (PersistedState, RoundTripKeepsTheStateTextByteForByte)
{
    QuillnoteProProcessor original;
    const auto text = juce::String::fromUTF8 ("{\"note\":\"Tom's \\\"mix\\\" C:\\\\vox\nline\r\n Gr\xc3\xbc\xc3\x9f" "e \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x8e\x9a\"}");
    original.webState.set (text);
    original.windowWidth = 1300;
    original.windowHeight = 800;

    const auto block = saved (original);
    QuillnoteProProcessor restored;
    restored.setStateInformation (block.getData(), (int) block.getSize());

    EXPECT_EQ (restored.webState.get(), text);
    EXPECT_EQ (restored.windowWidth, 1300);
    EXPECT_EQ (restored.windowHeight, 800);

    QuillnoteProProcessor fresh, fromFresh;
    const auto freshBlock = saved (fresh);
    fromFresh.webState.set ("old");
    fromFresh.setStateInformation (freshBlock.getData(), (int) freshBlock.getSize());
    EXPECT_EQ (fromFresh.webState.get(), "");
    EXPECT_EQ (fromFresh.windowWidth, 1100);
    EXPECT_EQ (fromFresh.windowHeight, 720);
}

TEST (PersistedState, RestoreConvertsAndLimitsMembers)
{
    struct Case { const char* text; int width; int height; const char* webState; };
    const Case cases[] {
        { R"({"windowWidth":5000,"windowHeight":100,"webState":"a"})", 1920, 400, "a" },
        { R"({"webState":"only"})", 600, 400, "only" },
        { R"({"windowWidth":"800","windowHeight":800.9})", 800, 800, "" },
        { R"({"windowWidth":1000,"windowHeight":700,"webState":"t"} and more)", 1000, 700, "t" },
        { R"({"windowWidth":1000,"windowHeight":700,"webState":42})", 1000, 700, "42" },
    };

    for (const auto& c : cases)
    {
        const auto decoded = decodeText (c.text);
        ASSERT_TRUE (decoded.has_value()) << c.text;
        EXPECT_EQ (decoded->windowWidth, c.width) << c.text;
        EXPECT_EQ (decoded->windowHeight, c.height) << c.text;
        EXPECT_EQ (decoded->webState, c.webState) << c.text;
    }
}

TEST (PersistedState, TextEndsAtTheFirstZeroByte)
{
    const char block[] = "  {\"windowWidth\":1000,\"windowHeight\":700,\"webState\":\"t\"}\0{\"webState\":\"after\"}";
    const auto decoded = decodePersistedState (block, (int) sizeof (block) - 1);
    ASSERT_TRUE (decoded.has_value());
    EXPECT_EQ (decoded->windowWidth, 1000);
    EXPECT_EQ (decoded->webState, "t");
}

TEST (PersistedState, RestoreIgnoresWhatIsNotAnObject)
{
    for (const auto* text : { "[1,2,3]", "plain text", "", "\x89PNG\r\n", "{\"windowWidth\": 7" })
        EXPECT_FALSE (decodeText (text).has_value()) << text;

    EXPECT_FALSE (decodePersistedState (nullptr, 10).has_value());

    QuillnoteProProcessor processor;
    processor.webState.set ("kept");
    const char array[] = "[{\"webState\":\"no\"}]";
    processor.setStateInformation (array, (int) sizeof (array) - 1);
    processor.setStateInformation (array, 0);
    EXPECT_EQ (processor.webState.get(), "kept");
}

TEST (PersistedState, SavingAppendsToWhatTheBlockHolds)
{
    QuillnoteProProcessor processor;
    juce::MemoryBlock block ("head", 4);
    processor.getStateInformation (block);
    EXPECT_TRUE (block.toString().startsWith ("head{\r\n"));
    EXPECT_EQ (block.getSize(), 4 + saved (processor).getSize());
}
