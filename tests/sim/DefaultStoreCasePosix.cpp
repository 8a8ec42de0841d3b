#include "DefaultStoreCase.h"

namespace rk::test {

DefaultStoreCase ProfileDefaultStoreCase() { return {"HOME", "/home/someone", "/home/someone/.rkdb2-sim"}; }

} // namespace rk::test
