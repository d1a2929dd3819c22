#include "allocationwatch.h"

#include <atomic>

namespace {
std::atomic<std::size_t> largest{0};
std::atomic<long long> held{0};
std::atomic<long long> peak{0};
} // namespace

#ifdef PIXMOOR_SANITIZE

bool AllocationWatch::observing() { return false; }

#else

#include <cerrno>
#include <malloc.h>

// glibc's own allocator, under the names it exports for wrappers like this.
extern "C" void *__libc_malloc(std::size_t size);
extern "C" void *__libc_calloc(std::size_t count, std::size_t size);
extern "C" void *__libc_realloc(void *pointer, std::size_t size);
extern "C" void __libc_free(void *pointer);
extern "C" void *__libc_memalign(std::size_t alignment, std::size_t size);

namespace {

void noteRequest(std::size_t size)
{
    std::size_t seen = largest.load(std::memory_order_relaxed);
    while (size > seen && !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
    }
}

void noteHeld(long long change)
{
    const long long now = held.fetch_add(change, std::memory_order_relaxed) + change;
    long long seen = peak.load(std::memory_order_relaxed);
    while (now > seen && !peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
    }
}

void *counted(void *block)
{
    if (block)
        noteHeld((long long)malloc_usable_size(block));
    return block;
}

} // namespace

extern "C" void *malloc(std::size_t size) noexcept
{
    noteRequest(size);
    return counted(__libc_malloc(size));
}

extern "C" void *calloc(std::size_t count, std::size_t size) noexcept
{
    noteRequest(size != 0 && count > std::size_t(-1) / size ? std::size_t(-1) : count * size);
    return counted(__libc_calloc(count, size));
}

extern "C" void *realloc(void *pointer, std::size_t size) noexcept
{
    noteRequest(size);
    const long long before = pointer ? (long long)malloc_usable_size(pointer) : 0;
    void *block = __libc_realloc(pointer, size);
    if (block || size == 0)
        noteHeld(-before);
    return counted(block);
}

extern "C" void *memalign(std::size_t alignment, std::size_t size) noexcept
{
    noteRequest(size);
    return counted(__libc_memalign(alignment, size));
}

extern "C" void *aligned_alloc(std::size_t alignment, std::size_t size) noexcept
{
    return memalign(alignment, size);
}

extern "C" int posix_memalign(void **pointer, std::size_t alignment, std::size_t size) noexcept
{
    if (alignment % sizeof(void *) != 0 || (alignment & (alignment - 1)) != 0)
        return EINVAL;
    void *block = memalign(alignment, size);
    if (!block)
        return ENOMEM;
    *pointer = block;
    return 0;
}

extern "C" void free(void *pointer) noexcept
{
    if (pointer)
        noteHeld(-(long long)malloc_usable_size(pointer));
    __libc_free(pointer);
}

bool AllocationWatch::observing() { return true; }

#endif

AllocationWatch::AllocationWatch() : m_start(held.load())
{
    largest.store(0);
    peak.store(m_start);
}

std::size_t AllocationWatch::largestRequest() const
{
    return largest.load();
}

std::size_t AllocationWatch::peakGrowth() const
{
    const long long growth = peak.load() - m_start;
    return growth > 0 ? std::size_t(growth) : 0;
}
