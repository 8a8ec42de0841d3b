#pragma once
// The fixture of the loading cases: the product library loaded like a host,
// with a call log in place before any DB2 library loads.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "CallLog.h"
#include "HostLibrary.h"
#include "db2/Db2Files.h"

namespace rk::test {

class Loading : public testing::Test {
protected:
    CallLog log; // first: it must be in place before any DB2 library loads
    rk::host::HostLibrary library;
    char message[64];

    void SetUp() override
    {
        ASSERT_TRUE(library.IsLoaded());
        std::memset(message, '#', sizeof message);
    }

    bool Logged(const std::string& line) const { return log.Count(line) > 0; }

    // True when `first` was logged, and before `second`.
    bool LoggedBefore(const std::string& first, const std::string& second) const
    {
        const int a = log.IndexOf(first);
        const int b = log.IndexOf(second);
        return a >= 0 && b >= 0 && a < b;
    }

    // A list handle loads db2app.dll and db2sys.dll, a connection test db2cli.dll.
    void LoadAllThree()
    {
        ASSERT_NE(nullptr, library.CRkDatabaseListNew());
        char dbms[8];
        char text[RKDB2_CONNECT_MESSAGE_MAX];
        library.RkConnect("NO_SUCH_DSN", "user", "password", dbms, text);
        ASSERT_TRUE(Logged("load " RK_DB2CLI_FILE));
    }

    int Catalog() { return library.CatalogDatabase("warehouse7", "SALES", message, sizeof message); }
    int Uncatalog() { return library.UncatalogDatabase("SALES", "warehous", message, sizeof message); }
};

} // namespace rk::test
