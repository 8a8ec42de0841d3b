#pragma once
// What a Windows process holds, sampled between unload cycles of a library:
// the blocks in use in every heap of the process, the committed private
// memory, and the first thread-local storage slot still free (a library
// that allocates a slot per load and never frees it pushes it up).

namespace rk::test {

struct ProcessMemory {
    long long heapBytes = 0; // bytes of the busy blocks of every process heap (HeapWalk)
    long long heapBlocks = 0;
    long long privateBytes = 0; // PrivateUsage of GetProcessMemoryInfo (Wine 8 reports 0)
    long long workingSet = 0;
    long long firstFreeTlsSlot = 0;
};

ProcessMemory SampleProcessMemory();

} // namespace rk::test
