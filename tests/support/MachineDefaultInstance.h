#pragma once
// The machine's default DB2 instance as the library reads it: the registry
// value HKLM\SOFTWARE\IBM\DB2\GLOBAL_PROFILE\DB2INSTDEF on Windows (the test
// process is 32-bit, so it writes the same view the library reads), the
// environment variable DB2INSTDEF on Linux.
//
// Under Wine every test process shares the prefix's registry: register the
// cases that set or depend on the value with rk_test_cases(... PROFILE), so
// that CTest never runs two of them at once.

#include <string>

namespace rk::test {

// Stores `value` as a string value with its terminator.
void SetDefaultInstance(const std::string& value);
// Stores exactly these bytes, no terminator added (Windows only; on Linux
// the bytes become the variable's value).
void SetDefaultInstanceBytes(const std::string& bytes);
// Removes the value; the key stays.
void RemoveDefaultInstanceValue();
// Removes the whole GLOBAL_PROFILE key (on Linux: the variable).
void RemoveDefaultInstanceKey();

// Sets the default instance for one scope; removes the value afterwards.
class ScopedDefaultInstance {
public:
    explicit ScopedDefaultInstance(const std::string& value) { SetDefaultInstance(value); }
    ~ScopedDefaultInstance() { RemoveDefaultInstanceValue(); }
    ScopedDefaultInstance(const ScopedDefaultInstance&) = delete;
    ScopedDefaultInstance& operator=(const ScopedDefaultInstance&) = delete;
};

} // namespace rk::test
