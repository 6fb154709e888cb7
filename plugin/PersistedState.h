#pragma once

#include <juce_core/juce_core.h>

/** What the host stores with the project: the editor's size and the web app's
    state text, which is carried as one string and never looked into. */
struct PersistedState
{
    int windowWidth = 1100;
    int windowHeight = 720;
    juce::String webState;
};

/** The stored text: JUCE's multi-line JSON of windowWidth, windowHeight,
    webState and version 2, in that order. */
juce::String encodePersistedState (const PersistedState& state);

/** Appends the stored text's UTF-8 bytes to what the block already holds. */
void appendPersistedState (const PersistedState& state, juce::MemoryBlock& block);

/** Reads a stored block. Anything that is not a JSON object gives nothing;
    sizes are limited to 600..1920 by 400..1080, missing members read as empty. */
std::optional<PersistedState> decodePersistedState (const void* data, int sizeInBytes);
