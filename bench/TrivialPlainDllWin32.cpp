// A library that uses nothing of the C++ run-time: the baseline of what
// Wine's loader and mingw's start-up code leave per unload cycle.

extern "C" __declspec(dllexport) int RkTrivialUse() { return 42; }
