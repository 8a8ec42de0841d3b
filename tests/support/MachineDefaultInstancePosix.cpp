#include "MachineDefaultInstance.h"

#include "db2/Db2Profile.h"

#include "TestEnv.h"

namespace rk::test {

void SetDefaultInstance(const std::string& value) { os::SetEnv(rk::db2::profile::kDefaultInstanceValue, value); }
void SetDefaultInstanceBytes(const std::string& bytes) { os::SetEnv(rk::db2::profile::kDefaultInstanceValue, bytes); }
void RemoveDefaultInstanceValue() { os::UnsetEnv(rk::db2::profile::kDefaultInstanceValue); }
void RemoveDefaultInstanceKey() { os::UnsetEnv(rk::db2::profile::kDefaultInstanceValue); }

} // namespace rk::test
