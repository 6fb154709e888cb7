#pragma once

#include <juce_gui_extra/juce_gui_extra.h>

#include "plugin/PluginProcessor.h"

/** The web view the editor shows; it tells the editor when a page has loaded,
    so the stored state reaches the web app's document and not a blank page. */
class QuillnoteWebView final : public juce::WebBrowserComponent
{
public:
    using juce::WebBrowserComponent::WebBrowserComponent;

    std::function<void (const juce::String& url)> onPageFinishedLoading;

    void pageFinishedLoading (const juce::String& url) override
    {
        if (onPageFinishedLoading != nullptr)
            onPageFinishedLoading (url);
    }
};

/** The plug-in window: one web view showing the web app, the timer that links
    the page to the processor, and a fallback screen when set-up fails. */
class QuillnoteProEditor final : public juce::AudioProcessorEditor,
                                 private juce::Timer
{
public:
    explicit QuillnoteProEditor (QuillnoteProProcessor&);
    ~QuillnoteProEditor() override;

    void paint (juce::Graphics&) override;
    bool keyPressed (const juce::KeyPress&) override;
    void resized() override;

    /** Creates the web view with the native functions, the user script and
        the resource provider, and points it at the web app. */
    void setupWebView();

    /** Asks the page for its state text; a non-empty answer is stored in the
        processor, even if it arrives after this editor is gone. */
    void requestStateFromUI();

    std::unique_ptr<QuillnoteWebView> webView;
    QuillnoteProProcessor& processorRef;
    juce::File webRoot;
    bool constructorFailed = false;
    bool firstTickDone = false;
    int saveCounter = 0;

private:
    void timerCallback() override;
    void nudgeWebViewLayout();
    void pageFinishedLoading (const juce::String& url);
    void injectStoredState();

    juce::String navigatedUrl;
    bool pageLoaded = false;
    bool stateInjected = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuillnoteProEditor)
};
