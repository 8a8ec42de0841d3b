// db2sys.dll of the stand-in client: DB2's message texts.
// For now every lookup reports that no text is available.

#define RK_SIM_LIBRARY_NAME "db2sys.dll"
#include "LibraryEvents.h"

#include "db2/Db2Api.h"

extern "C" {

int RK_DB2_CALL sqlaintp_api(char*, short, short, const char*, rk::db2::Sqlca*)
{
    const auto injected = rk::sim::EnterCall("sqlaintp_api@20");
    return injected ? *injected : -3;
}

int RK_DB2_CALL sqlogstt(char*, short, short, char*)
{
    const auto injected = rk::sim::EnterCall("sqlogstt");
    return injected ? *injected : -3;
}

} // extern "C"
