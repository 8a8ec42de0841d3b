#pragma once
// A DB2 profile registry for in-process tests: the default instance is what
// the test sets, and every read is counted. Tests that use it neither read
// nor write the machine's registry.

#include <cstring>
#include <optional>
#include <string>

#include "platform/ProfileRegistry.h"

namespace rk::test {

class FakeProfileRegistry final : public platform::CRkProfileRegistry {
public:
    // The DB2INSTDEF value; none when empty.
    std::optional<std::string> defaultInstance;
    int reads = 0;

    bool QueryValue(const char* valueName, unsigned char* buffer, std::size_t bufferSize) override
    {
        ++reads;
        if (std::strcmp(valueName, "DB2INSTDEF") != 0 || !defaultInstance || defaultInstance->size() + 1 > bufferSize)
            return false;
        std::memcpy(buffer, defaultInstance->c_str(), defaultInstance->size() + 1);
        return true;
    }
};

} // namespace rk::test
