#include "connect/CRkConnectionTest.h"

#include "db2/CRkDb2CliLib.h"

CRkConnectionTest::CRkConnectionTest(CRkDb2CliLib& cliLib, const char* /*dataSource*/, const char* /*user*/,
                                     const char* /*password*/, char* /*dbmsName*/, char* /*message*/)
{
    if (!cliLib.Load())
        return;
}
