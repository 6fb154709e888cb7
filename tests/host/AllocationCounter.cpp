#include "AllocationCounter.h"

#include <cstdlib>
#include <malloc.h>

extern "C"
{
    void* __libc_malloc (std::size_t);
    void* __libc_calloc (std::size_t, std::size_t);
    void* __libc_realloc (void*, std::size_t);
    void* __libc_memalign (std::size_t, std::size_t);
    void __libc_free (void*);
}

namespace
{
    thread_local bool counting = false;
    thread_local std::size_t allocations = 0;

    inline void noteAllocation()
    {
        if (counting)
            ++allocations;
    }
}

// The executable's definitions take the place of glibc's for every shared
// object in the process, the plug-in included.
extern "C"
{
    void* malloc (std::size_t size)                       { noteAllocation(); return __libc_malloc (size); }
    void* calloc (std::size_t n, std::size_t size)        { noteAllocation(); return __libc_calloc (n, size); }
    void* realloc (void* p, std::size_t size)             { noteAllocation(); return __libc_realloc (p, size); }
    void* memalign (std::size_t alignment, std::size_t s) { noteAllocation(); return __libc_memalign (alignment, s); }
    void* aligned_alloc (std::size_t alignment, std::size_t s) { noteAllocation(); return __libc_memalign (alignment, s); }
    int posix_memalign (void** out, std::size_t alignment, std::size_t size)
    {
        noteAllocation();
        *out = __libc_memalign (alignment, size);
        return *out != nullptr ? 0 : 12;
    }
    void free (void* p)                                   { __libc_free (p); }
}

ScopedAllocationCounter::ScopedAllocationCounter()
{
    allocations = 0;
    counting = true;
}

ScopedAllocationCounter::~ScopedAllocationCounter()
{
    counting = false;
}

std::size_t ScopedAllocationCounter::count() const
{
    return allocations;
}
