#include "editor/StateInjection.h"

#include "plugin/TransportSnapshot.h"

const juce::String& defaultWebState()
{
    static const juce::String text (R"({"notes":[],"activities":[],"audioFiles":[],"version":3})");
    return text;
}

static bool isEmptyObject (const juce::var& value)
{
    const auto* object = value.getDynamicObject();
    return object != nullptr && object->getProperties().isEmpty();
}

juce::String buildTaggedState (const juce::String& stateText, juce::uint64 sessionId)
{
    const auto body = stateText.trimStart();

    if (! body.startsWithChar ('{'))
        return stateText;

    juce::var parsed;

    if (juce::JSON::parse (body, parsed).failed() || parsed.isArray() || ! parsed.isObject())
        return stateText;

    const auto idMember = "\"sessionId\":\"" + juce::String (sessionId) + "\"";

    if (isEmptyObject (parsed))
        return "{" + idMember + "}";

    return "{" + idMember + "," + body.substring (1);
}

juce::String buildInjectionScript (const juce::String& taggedState)
{
    return "(function injectState() {"
           "  if(window.__Quillnote && window.__Quillnote.importState) {"
           "    window.__Quillnote.importState('" + escapeForSingleQuotedScript (taggedState) + "');"
           "  } else {"
           "    setTimeout(injectState, 200);"
           "  }"
           "})();";
}

const juce::String& stateRequestScript()
{
    static const juce::String script ("(function() { return window.__quillnoteState || ''; })()");
    return script;
}

juce::uint64 currentSessionId()
{
    static juce::uint64 sessionId = 0;

    if (sessionId == 0)
        sessionId = (juce::uint64) juce::Random::getSystemRandom().nextInt64()
                  ^ (juce::uint64) juce::Time::currentTimeMillis();

    return sessionId;
}
