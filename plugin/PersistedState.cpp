#include "plugin/PersistedState.h"

static constexpr int persistedVersion = 2;

juce::String encodePersistedState (const PersistedState& state)
{
    auto object = juce::DynamicObject::Ptr (new juce::DynamicObject());
    object->setProperty ("windowWidth", state.windowWidth);
    object->setProperty ("windowHeight", state.windowHeight);
    object->setProperty ("webState", state.webState);
    object->setProperty ("version", persistedVersion);
    return juce::JSON::toString (juce::var (object.get()), false);
}

void appendPersistedState (const PersistedState& state, juce::MemoryBlock& block)
{
    const auto text = encodePersistedState (state);
    const auto numBytes = text.getNumBytesAsUTF8();

    if (numBytes > 0)
        block.append (text.toRawUTF8(), numBytes);
}

std::optional<PersistedState> decodePersistedState (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 0)
        return {};

    const auto* bytes = static_cast<const char*> (data);
    const auto textLength = (size_t) (std::find (bytes, bytes + sizeInBytes, '\0') - bytes);
    const auto parsed = juce::JSON::parse (juce::String::fromUTF8 (bytes, (int) textLength));

    // var::isObject() is true for arrays as well
    if (parsed.isArray() || ! parsed.isObject())
        return {};

    PersistedState state;
    state.windowWidth = juce::jlimit (600, 1920, (int) parsed.getProperty ("windowWidth", {}));
    state.windowHeight = juce::jlimit (400, 1080, (int) parsed.getProperty ("windowHeight", {}));
    state.webState = parsed.getProperty ("webState", {}).toString();
    return state;
}
