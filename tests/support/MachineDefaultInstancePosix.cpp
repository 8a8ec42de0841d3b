#include "MachineDefaultInstance.h"

#include "TestEnv.h"

namespace rk::test {

void SetDefaultInstance(const std::string& value) { SetEnv("DB2INSTDEF", value); }
void SetDefaultInstanceBytes(const std::string& bytes) { SetEnv("DB2INSTDEF", bytes); }
void RemoveDefaultInstanceValue() { UnsetEnv("DB2INSTDEF"); }
void RemoveDefaultInstanceKey() { UnsetEnv("DB2INSTDEF"); }

} // namespace rk::test
