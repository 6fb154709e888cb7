#pragma once

#include <juce_gui_extra/juce_gui_extra.h>

class QuillnoteProEditor;
class QuillnoteProProcessor;

namespace NativeBridge
{
    using Arguments = juce::Array<juce::var>;
    using Completion = juce::WebBrowserComponent::NativeFunctionCompletion;
    using Function = juce::WebBrowserComponent::NativeFunction;

    /** What a native function may hold: the editor, the processor, or nothing. */
    struct Context
    {
        QuillnoteProEditor& editor;
        QuillnoteProProcessor& processor;
    };

    /** One named native function and how to bind its handler to a context. */
    struct Entry
    {
        const char* name;
        Function (*bind) (const Context&);
    };

    /** Every native function the page can call, in registration order. */
    const std::vector<Entry>& functionTable();
}
