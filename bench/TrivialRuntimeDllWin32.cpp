// A library that uses the statically linked C++ run-time the way the
// product library does, in miniature: a std::string, a thread_local, an
// exception thrown and caught. What it leaves per unload cycle belongs to
// the run-time, not to the product.
//
// The thread_local is trivially destructible on purpose: one with a
// destructor (a std::string) has libstdc++ take a reference on the module,
// to run the destructor at thread exit, and FreeLibrary would then never
// unload it.

#include <stdexcept>
#include <string>

namespace {
thread_local std::size_t t_lastLength = 0;
}

extern "C" __declspec(dllexport) int RkTrivialUse()
{
    try {
        throw std::runtime_error("thrown and caught inside the library");
    } catch (const std::exception& e) {
        const std::string text = e.what();
        t_lastLength = text.size();
    }
    return static_cast<int>(t_lastLength);
}
