// Replaces the global operator new and delete: each block carries its
// requested size in a header in front of it. Kept in a file of its own so
// that no caller sees (and inlines) the replacement.

#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Pointer-wide counters: on 32-bit x86 a 64-bit atomic is a lock cmpxchg8b
// loop, on which the emulated test guest's CPU now and then raises a
// spurious single-step trap that kills the process.
std::atomic<std::ptrdiff_t> g_liveBytes{0};
std::atomic<std::ptrdiff_t> g_liveBlocks{0};
constexpr std::size_t kHeader = 16; // keeps the block's alignment
// Allocations until the one that fails; 0: none fails.
std::atomic<std::ptrdiff_t> g_untilFailure{0};
std::atomic<bool> g_failed{false};

} // namespace

namespace rk::bench {

long long LiveBytes() { return g_liveBytes; }
long long LiveBlocks() { return g_liveBlocks; }

void FailAllocation(long long n)
{
    g_failed = false;
    g_untilFailure = static_cast<std::ptrdiff_t>(n);
}

bool AllocationFailed() { return g_failed; }

} // namespace rk::bench

void* operator new(std::size_t size)
{
    if (g_untilFailure > 0 && --g_untilFailure == 0) {
        g_failed = true;
        throw std::bad_alloc();
    }
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr)
        throw std::bad_alloc();
    std::memcpy(block, &size, sizeof size);
    g_liveBytes += static_cast<std::ptrdiff_t>(size);
    ++g_liveBlocks;
    return block + kHeader;
}

void operator delete(void* pointer) noexcept
{
    if (pointer == nullptr)
        return;
    auto* block = static_cast<unsigned char*>(pointer) - kHeader;
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    g_liveBytes -= static_cast<std::ptrdiff_t>(size);
    --g_liveBlocks;
    std::free(block);
}

void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* pointer) noexcept { operator delete(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { operator delete(pointer); }
