#include "editor/PluginEditor.h"

#include "editor/DiagnosticLog.h"
#include "editor/FallbackScreen.h"
#include "editor/QuillnotePaths.h"
#include "editor/WebContentRoot.h"

namespace
{
    constexpr int minimumWidth = 920, minimumHeight = 520;
    constexpr int maximumWidth = 1920, maximumHeight = 1080;
    constexpr int defaultWidth = 1100, defaultHeight = 720;
}

QuillnoteProEditor::QuillnoteProEditor (QuillnoteProProcessor& owner)
    : juce::AudioProcessorEditor (owner),
      processorRef (owner)
{
    logPro ("Editor constructor START");

    const auto storedWidth = processorRef.windowWidth.load();
    const auto storedHeight = processorRef.windowHeight.load();
    const auto width = storedWidth >= minimumWidth ? storedWidth : defaultWidth;
    const auto height = storedHeight >= minimumHeight ? storedHeight : defaultHeight;
    setSize (width, height);
    logPro ("setSize done: " + juce::String (width) + "x" + juce::String (height));

    setResizable (true, true);
    setResizeLimits (minimumWidth, minimumHeight, maximumWidth, maximumHeight);
    setWantsKeyboardFocus (true);
    setOpaque (true);
    logPro ("Window properties set");

    try
    {
        webRoot = decideWebRoot (QuillnotePaths::dataWebFolder(), QuillnotePaths::bundleWebFolder(), logPro);
        logPro ("About to call setupWebView()");
        setupWebView();
        logPro ("setupWebView() returned OK");
        startTimer (500);
        logPro ("Timer started");
    }
    catch (const std::exception& e)
    {
        logPro ("EXCEPTION in constructor: " + juce::String (e.what()));
        constructorFailed = true;
    }
    catch (...)
    {
        logPro ("UNKNOWN EXCEPTION in constructor");
        constructorFailed = true;
    }

    logPro ("Editor constructor END");
}

QuillnoteProEditor::~QuillnoteProEditor()
{
    stopTimer();

    if (webView != nullptr)
        webView->onPageFinishedLoading = nullptr;

    requestStateFromUI();
    processorRef.windowWidth = getWidth();
    processorRef.windowHeight = getHeight();
}

void QuillnoteProEditor::paint (juce::Graphics& g)
{
    paintFallbackScreen (g, getLocalBounds(), constructorFailed);
}

bool QuillnoteProEditor::keyPressed (const juce::KeyPress&)
{
    return true;
}

void QuillnoteProEditor::resized()
{
    if (webView != nullptr)
        webView->setBounds (getLocalBounds());

    processorRef.windowWidth = getWidth();
    processorRef.windowHeight = getHeight();
}
