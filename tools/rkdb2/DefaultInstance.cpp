#include "DefaultInstance.h"

#include "os/Db2Profile.h"

namespace rkdb2 {

DefaultInstance ReadDefaultInstance()
{
    DefaultInstance instance;
    instance.profileValue = rk::os::DefaultInstanceProfileValue();
    if (instance.profileValue && instance.profileValue->size() <= kMaxDefaultInstanceLength)
        instance.name = *instance.profileValue;
    return instance;
}

} // namespace rkdb2
