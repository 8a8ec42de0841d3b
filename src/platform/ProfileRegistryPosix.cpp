#include "platform/ProfileRegistry.h"

#include <cstdlib>
#include <cstring>

namespace rk::platform {
namespace {

class CRkEnvironmentProfileRegistry final : public CRkProfileRegistry {
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

CRkProfileRegistry& SystemProfileRegistry()
{
    static CRkEnvironmentProfileRegistry registry;
    return registry;
}

} // namespace rk::platform
