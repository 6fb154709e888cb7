#include <gtest/gtest.h>

#include "editor/StateInjection.h"

TEST (TaggedState, InsertsTheSessionIdFirst)
{
    struct Case { const char* stored; const char* tagged; };
    const Case cases[] {
        { R"({"notes":[],"activities":[],"audioFiles":[],"version":3})", R"({"sessionId":"42","notes":[],"activities":[],"audioFiles":[],"version":3})" },
        { R"({"sessionId":"old","a":1})", R"({"sessionId":"42","sessionId":"old","a":1})" },
        { "{}", R"({"sessionId":"42"})" },
        { " { \n } ", R"({"sessionId":"42"})" },
        { "  {\"a\":1}", R"({"sessionId":"42","a":1})" },
        { "[1,2]", "[1,2]" },
        { "plain notes", "plain notes" },
        { "{broken", "{broken" },
        { "", "" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (buildTaggedState (c.stored, 42), c.tagged) << c.stored;

    EXPECT_EQ (buildTaggedState ("{\"a\":1}", 18446744073709551615ull), "{\"sessionId\":\"18446744073709551615\",\"a\":1}");
}

TEST (TaggedState, InjectionScriptCarriesTheTextIntact)
{
    const auto script = buildInjectionScript ("{\"n\":\"Tom's \\\\ \n\r\"}");
    EXPECT_EQ (script,
               "(function injectState() {  if(window.__Quillnote && window.__Quillnote.importState) {"
               "    window.__Quillnote.importState('{\"n\":\"Tom\\'s \\\\\\\\ \\n\\r\"}');  } else {"
               "    setTimeout(injectState, 200);  }})();");
}

TEST (TaggedState, SessionIdIsChosenOnceAndNotZero)
{
    const auto first = currentSessionId();
    EXPECT_NE (first, 0u);
    EXPECT_EQ (currentSessionId(), first);
}
