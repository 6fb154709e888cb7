#pragma once

#include <cstddef>

/** Counts heap allocations made on the calling thread while an instance
    lives. The test host replaces malloc and friends, so allocations made
    inside the loaded plug-in are counted too. */
class ScopedAllocationCounter
{
public:
    ScopedAllocationCounter();
    ~ScopedAllocationCounter();

    std::size_t count() const;
};
