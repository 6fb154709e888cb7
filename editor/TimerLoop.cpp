#include "editor/PluginEditor.h"
#include "editor/StateInjection.h"

namespace
{
    constexpr int steadyTickMs = 250;
    constexpr int layoutNudgeMs = 100;
    constexpr int ticksPerStatePull = 4;
}

void QuillnoteProEditor::timerCallback()
{
    if (! firstTickDone)
    {
        stopTimer();
        firstTickDone = true;

        if (webView != nullptr)
            nudgeWebViewLayout();

        startTimer (steadyTickMs);

        // A script evaluated before the web app's document has loaded is lost
        // with the blank page it ran in; pageFinishedLoading injects it then.
        if (pageLoaded)
            injectStoredState();

        return;
    }

    if (webView != nullptr)
    {
        const auto transport = processorRef.transport.render();
        webView->evaluateJavascript (renderTransportScript (transport, TransportScriptForm::timerLoop));
        webView->emitEventIfBrowserIsVisible ("transportUpdate", renderTransportObject (transport));
    }

    if (saveCounter++ >= ticksPerStatePull - 1)
    {
        saveCounter = 0;
        requestStateFromUI();
    }
}

void QuillnoteProEditor::nudgeWebViewLayout()
{
    // The web view has had an empty area since it was created; a size change
    // a moment later makes the embedded view lay itself out.
    webView->setBounds (1, 1, juce::jmax (0, getWidth() - 2), juce::jmax (0, getHeight() - 2));

    juce::Timer::callAfterDelay (layoutNudgeMs, [safeThis = juce::Component::SafePointer<QuillnoteProEditor> (this)]
    {
        if (safeThis != nullptr && safeThis->webView != nullptr)
            safeThis->webView->setBounds (safeThis->getLocalBounds());
    });
}

void QuillnoteProEditor::pageFinishedLoading (const juce::String& url)
{
    // WebKit may report the address with a trailing slash added
    if (url.trimCharactersAtEnd ("/") != navigatedUrl.trimCharactersAtEnd ("/"))
        return;

    pageLoaded = true;

    if (firstTickDone)
        injectStoredState();
}

void QuillnoteProEditor::injectStoredState()
{
    if (stateInjected || webView == nullptr)
        return;

    stateInjected = true;

    auto stateText = processorRef.webState.get();

    if (stateText.isEmpty())
        stateText = defaultWebState();

    webView->evaluateJavascript (buildInjectionScript (buildTaggedState (stateText, currentSessionId())));
}

void QuillnoteProEditor::requestStateFromUI()
{
    // Until the page has its stored state, what it holds is its own default,
    // which must not replace the stored notes.
    if (webView == nullptr || ! stateInjected)
        return;

    webView->evaluateJavascript (stateRequestScript(), [&processor = processorRef] (juce::WebBrowserComponent::EvaluationResult result)
    {
        if (const auto* value = result.getResult())
            if (value->isString() && value->toString().isNotEmpty())
                processor.webState.set (value->toString());
    });
}
