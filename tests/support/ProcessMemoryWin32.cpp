#include "ProcessMemory.h"

#include <vector>

// windows.h first: psapi.h builds on its types.
#include <windows.h>

#include <psapi.h>

namespace rk::test {
namespace {

void AddBusyBlocks(HANDLE heap, ProcessMemory& memory)
{
    if (!::HeapLock(heap))
        return;
    PROCESS_HEAP_ENTRY entry = {};
    while (::HeapWalk(heap, &entry)) {
        if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
            memory.heapBytes += static_cast<long long>(entry.cbData);
            ++memory.heapBlocks;
        }
    }
    ::HeapUnlock(heap);
}

} // namespace

ProcessMemory SampleProcessMemory()
{
    ProcessMemory memory;
    // The heaps may change between the two calls: ask until the count fits.
    std::vector<HANDLE> heaps(16);
    for (;;) {
        const DWORD count = ::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
        if (count <= heaps.size()) {
            heaps.resize(count);
            break;
        }
        heaps.resize(count);
    }
    for (HANDLE heap : heaps)
        AddBusyBlocks(heap, memory);

    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof counters)) {
        memory.privateBytes = static_cast<long long>(counters.PrivateUsage);
        memory.workingSet = static_cast<long long>(counters.WorkingSetSize);
    }

    const DWORD slot = ::TlsAlloc();
    if (slot != TLS_OUT_OF_INDEXES) {
        memory.firstFreeTlsSlot = slot;
        ::TlsFree(slot);
    }
    return memory;
}

} // namespace rk::test
