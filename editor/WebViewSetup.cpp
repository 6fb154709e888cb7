#include "bridge/NativeFunctionTable.h"
#include "editor/DiagnosticLog.h"
#include "editor/PluginEditor.h"
#include "editor/ResourceProvider.h"

namespace
{
    const char* const userScript = "window.__juceConnected=true;console.log('Quillnote: Native bridge loaded');";
    const char* const allowedOrigin = "https://juce.backend";
    const char* const devServerAddress = "127.0.0.1:5173";
}

void QuillnoteProEditor::setupWebView()
{
    logPro ("setupWebView() START");
    logPro ("Building WebView options...");

    auto options = juce::WebBrowserComponent::Options {}
                       .withNativeIntegrationEnabled()
                       .withKeepPageLoadedWhenBrowserIsHidden();

    const NativeBridge::Context context { *this, processorRef };

    for (const auto& entry : NativeBridge::functionTable())
        options = options.withNativeFunction (entry.name, entry.bind (context));

    options = options.withUserScript (userScript)
                  .withResourceProvider ([root = webRoot, &processor = processorRef] (const juce::String& path)
                                         {
                                             return provideWebResource (path, root, [&processor]
                                             {
                                                 return renderTransportScript (processor.transport.render(), TransportScriptForm::compact);
                                             });
                                         },
                                         allowedOrigin);

    logPro ("Options built. Creating WebBrowserComponent...");
    webView = std::make_unique<QuillnoteWebView> (options);
    webView->onPageFinishedLoading = [this] (const juce::String& url) { pageFinishedLoading (url); };
    logPro ("WebBrowserComponent created OK");

    addAndMakeVisible (*webView);
    logPro ("addAndMakeVisible OK");

    const auto hasIndex = webRoot.getChildFile ("index.html").existsAsFile();
    logPro ("index.html exists = " + juce::String (hasIndex ? "YES" : "NO"));
    logPro ("webRoot = " + webRoot.getFullPathName());

    if (hasIndex)
    {
        logPro ("Navigating to resource provider root");
        navigatedUrl = juce::WebBrowserComponent::getResourceProviderRoot();
    }
    else
    {
        logPro (juce::String::fromUTF8 ("No index.html \xe2\x80\x94 using dev fallback ") + devServerAddress);
        navigatedUrl = juce::String ("http://") + devServerAddress;
    }

    webView->goToURL (navigatedUrl);
    logPro ("setupWebView() END");
}
