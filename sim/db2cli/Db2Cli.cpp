// db2cli.dll of the stand-in client: the CLI entry points.
// For now every call fails with SQL_ERROR and there are no diagnostics.

#define RK_SIM_LIBRARY_NAME "db2cli.dll"
#include "LibraryEvents.h"

#include "db2/Db2Api.h"

using namespace rk::db2;

namespace {

CliReturn Finish(const char* name, CliReturn result)
{
    const auto injected = rk::sim::EnterCall(name);
    return injected ? static_cast<CliReturn>(*injected) : result;
}

} // namespace

extern "C" {

CliReturn RK_DB2_CALL SQLAllocHandle(short, CliHandle, CliHandle* output)
{
    if (output != nullptr)
        *output = nullptr;
    return Finish("SQLAllocHandle", kCliError);
}
CliReturn RK_DB2_CALL SQLFreeHandle(short, CliHandle) { return Finish("SQLFreeHandle", kCliSuccess); }
CliReturn RK_DB2_CALL SQLConnect(CliHandle, unsigned char*, short, unsigned char*, short, unsigned char*, short)
{
    return Finish("SQLConnect", kCliError);
}
CliReturn RK_DB2_CALL SQLDisconnect(CliHandle) { return Finish("SQLDisconnect", kCliSuccess); }
CliReturn RK_DB2_CALL SQLGetInfo(CliHandle, unsigned short, void*, short, short*) { return Finish("SQLGetInfo", kCliError); }
CliReturn RK_DB2_CALL SQLGetDiagRec(short, CliHandle, short, unsigned char*, CliInteger*, unsigned char*, short, short*)
{
    return Finish("SQLGetDiagRec", kCliNoData);
}

} // extern "C"
