#pragma once

#include "bridge/NativeFunctionTable.h"

namespace NativeBridge
{
    /** Completes at once with the transport object, built afresh. */
    void getTransport (QuillnoteProProcessor&, const Arguments&, Completion);

    /** Stores a text first argument as the processor's state text (anything
        else is ignored); completes at once with true. */
    void saveState (QuillnoteProProcessor&, const Arguments&, Completion);
}
