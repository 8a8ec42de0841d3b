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

// Here the profile is the environment itself.
std::optional<std::string> CRkProfileRegistry::Variable(const char* name)
{
    char value[1024];
    if (!QueryValue(name, reinterpret_cast<unsigned char*>(value), sizeof value))
        return std::nullopt;
    return std::string(value);
}

CRkProfileRegistry& SystemProfileRegistry()
{
    static CRkEnvironmentProfileRegistry registry;
    return registry;
}

} // namespace rk::platform
