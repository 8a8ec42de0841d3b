#pragma once
// A benchmark program that links AllocationCounter.cpp counts every block
// allocated through operator new, by whatever code in the process, and
// can fail one of them on purpose.

namespace rk::bench {

// Bytes and blocks allocated and not yet released, as requested.
long long LiveBytes();
long long LiveBlocks();

// The `n`-th allocation from now (counting from 1) throws std::bad_alloc,
// once; 0 cancels. Whether it was reached: AllocationFailed().
void FailAllocation(long long n);
bool AllocationFailed();

} // namespace rk::bench
