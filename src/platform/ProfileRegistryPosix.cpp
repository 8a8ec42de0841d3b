#include "platform/ProfileRegistry.h"

#include <cstdlib>
#include <cstring>

namespace rk::platform {
namespace {

class EnvironmentProfileRegistry final : public ProfileRegistry {
public:
    bool QueryValue(const char* valueName, unsigned char* buffer, std::size_t bufferSize) override
    {
        const char* value = std::getenv(valueName);
        if (value == nullptr)
            return false;
        const std::size_t size = std::strlen(value) + 1;
        if (size > bufferSize)
            return false;
        std::memcpy(buffer, value, size);
        return true;
    }
};

} // namespace

ProfileRegistry& SystemProfileRegistry()
{
    static EnvironmentProfileRegistry registry;
    return registry;
}

} // namespace rk::platform
