#include "DefaultInstance.h"

#include "os/MachineSettings.h"

namespace rkdb2 {

DefaultInstance ReadDefaultInstance()
{
    DefaultInstance instance;
    using namespace rk::db2::profile;
    instance.profileValue = rk::os::ReadMachineSetting(kGlobalProfileKey, kDefaultInstanceValue, kValueReadSize);
    if (instance.profileValue && instance.profileValue->size() <= kMaxDefaultInstanceLength)
        instance.name = *instance.profileValue;
    return instance;
}

} // namespace rkdb2
