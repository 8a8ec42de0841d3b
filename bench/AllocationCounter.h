#pragma once
// A benchmark program that links AllocationCounter.cpp counts every block
// allocated through operator new, by whatever code in the process.

namespace rk::bench {

// Bytes and blocks allocated and not yet released, as requested.
long long LiveBytes();
long long LiveBlocks();

} // namespace rk::bench
