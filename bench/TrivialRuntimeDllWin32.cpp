// A library that uses the statically linked C++ run-time the way the
// product library does, in miniature: a std::string, a thread_local, an
// exception thrown and caught. What it leaves per unload cycle belongs to
// the run-time, not to the product.

#include <stdexcept>
#include <string>

namespace {
thread_local std::string t_lastText;
}

extern "C" __declspec(dllexport) int RkTrivialUse()
{
    try {
        throw std::runtime_error("thrown and caught inside the library");
    } catch (const std::exception& e) {
        t_lastText = e.what();
    }
    return static_cast<int>(t_lastText.size());
}
