#include "bridge/NativeFunctionTable.h"

#include "bridge/TransportAndStateFunctions.h"
#include "plugin/PluginProcessor.h"

namespace NativeBridge
{
    using ProcessorHandler = void (*) (QuillnoteProProcessor&, const Arguments&, Completion);

    template <ProcessorHandler handler>
    static Function holdingProcessor (const Context& context)
    {
        return [&processor = context.processor] (const Arguments& arguments, Completion completion)
        {
            handler (processor, arguments, std::move (completion));
        };
    }

    const std::vector<Entry>& functionTable()
    {
        static const std::vector<Entry> table {
            { "getTransport", holdingProcessor<getTransport> },
            { "saveState",    holdingProcessor<saveState> },
        };
        return table;
    }
}
