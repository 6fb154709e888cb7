#pragma once

#include <juce_core/juce_core.h>

/** The state the page starts from when none is stored. */
const juce::String& defaultWebState();

/** The state text handed to the page, tagged with the session id.

    A JSON object with members gets "sessionId" inserted as its first member;
    an empty object becomes {"sessionId":"<id>"}; any other text is handed over
    unchanged, so the page never receives corrupted JSON.
*/
juce::String buildTaggedState (const juce::String& stateText, juce::uint64 sessionId);

/** The script that waits for window.__Quillnote.importState and calls it once. */
juce::String buildInjectionScript (const juce::String& taggedState);

/** The script whose result is the page's current state text. */
const juce::String& stateRequestScript();

/** The identifier of this run of the plug-in code, chosen at the first call
    and shared by every editor of the process. Message thread only. */
juce::uint64 currentSessionId();
