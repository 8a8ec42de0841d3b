#include "DefaultStoreCase.h"

namespace rk::test {

DefaultStoreCase ProfileDefaultStoreCase()
{
    return {"USERPROFILE", "C:\\users\\someone", "C:\\users\\someone\\rkdb2-sim"};
}

} // namespace rk::test
