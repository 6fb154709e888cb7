#include "bridge/TransportAndStateFunctions.h"

#include "plugin/PluginProcessor.h"

namespace NativeBridge
{
    void getTransport (QuillnoteProProcessor& processor, const Arguments&, Completion completion)
    {
        completion (renderTransportObject (processor.transport.render()));
    }

    void saveState (QuillnoteProProcessor& processor, const Arguments& arguments, Completion completion)
    {
        if (! arguments.isEmpty() && arguments.getReference (0).isString())
            processor.webState.set (arguments.getReference (0).toString());

        completion (true);
    }
}
