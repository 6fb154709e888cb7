#pragma once

#include <juce_core/juce_core.h>

/** A value that one thread may replace while another copies it.

    The host may save or restore the project on a thread of its own while the
    editor's timer replaces the state text; a juce::String read during an
    assignment can crash. Copies and replacements are taken under a spin lock
    that is only ever held for the length of a reference-counted copy. The audio
    thread never touches a GuardedValue.
*/
template <typename ValueType>
class GuardedValue
{
public:
    GuardedValue() = default;
    explicit GuardedValue (ValueType initial) : value (std::move (initial)) {}

    ValueType get() const
    {
        const juce::SpinLock::ScopedLockType lock (mutex);
        return value;
    }

    void set (ValueType newValue)
    {
        {
            const juce::SpinLock::ScopedLockType lock (mutex);
            std::swap (value, newValue);
        }
        // the old value is released here, outside the lock
    }

private:
    mutable juce::SpinLock mutex;
    ValueType value {};

    JUCE_DECLARE_NON_COPYABLE (GuardedValue)
};
