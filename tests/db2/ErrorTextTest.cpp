// DB2's error text composed from an sqlca, with the two message lookups
// played by test functions.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "RecordingLoader.h"
#include "db2/CRkDb2SysLib.h"
#include "db2/Db2Files.h"

using rk::db2::Sqlca;
using rk::test::Entry;

namespace {

// What the lookups answer, and what they were given.
struct Lookup {
    int result = -1;
    std::string text;            // written with its NUL when result > 0
    bool fillWithoutNul = false; // fill the whole buffer, no NUL at all
    short bufferSize = 0;
    short lineWidth = -1;
    std::string messageFile;
    std::string sqlstateSeen;
};
Lookup g_message;
Lookup g_state;

Lookup Answering(int result, std::string text)
{
    Lookup lookup;
    lookup.result = result;
    lookup.text = std::move(text);
    return lookup;
}

int Answer(Lookup& lookup, char* buffer, short size)
{
    if (lookup.fillWithoutNul)
        std::memset(buffer, 'M', static_cast<std::size_t>(size));
    else if (lookup.result > 0)
        std::memcpy(buffer, lookup.text.c_str(), lookup.text.size() + 1);
    return lookup.result;
}

int RK_DB2_CALL FakeSqlaintp(char* buffer, short size, short width, const char* file, Sqlca*)
{
    g_message.bufferSize = size;
    g_message.lineWidth = width;
    g_message.messageFile = file;
    return Answer(g_message, buffer, size);
}

int RK_DB2_CALL FakeSqlogstt(char* buffer, short size, short width, char* sqlstate)
{
    g_state.bufferSize = size;
    g_state.lineWidth = width;
    g_state.sqlstateSeen.assign(sqlstate, 5);
    return Answer(g_state, buffer, size);
}

class ErrorText : public testing::Test {
protected:
    rk::test::RecordingLoader loader;
    CRkDb2SysLib sys{loader};

    void SetUp() override
    {
        g_message = Lookup{};
        g_state = Lookup{};
        loader.Provide(RK_DB2SYS_FILE, {{"sqlaintp_api@20", Entry(&FakeSqlaintp)}, {"sqlogstt", Entry(&FakeSqlogstt)}});
        ASSERT_TRUE(sys.Load());
    }

    static Sqlca MakeSqlca(int sqlcode, const char (&sqlstate)[6])
    {
        Sqlca ca{};
        rk::db2::SetSqlcode(ca, sqlcode);
        std::memcpy(ca.bytes + rk::db2::kSqlcaSqlstate.offset, sqlstate, 5);
        return ca;
    }
};

TEST_F(ErrorText, BothLookupsFailingLeaveTheTwoLines)
{
    const std::string text = sys.GetErrorText(MakeSqlca(0, "00000"));
    EXPECT_EQ("SQLCODE = 0\r\nSQLSTATE = \"00000\"\r\n", text);
    EXPECT_EQ(33u, text.size());
}

TEST_F(ErrorText, LookupsGetTheWorkingBufferAndTheSqlstateField)
{
    sys.GetErrorText(MakeSqlca(-1031, "58031"));
    EXPECT_EQ(1024, g_message.bufferSize);
    EXPECT_EQ(0, g_message.lineWidth);
    EXPECT_EQ("db2sql.mo", g_message.messageFile);
    EXPECT_EQ(1024, g_state.bufferSize);
    EXPECT_EQ(0, g_state.lineWidth);
    EXPECT_EQ("58031", g_state.sqlstateSeen);
}

TEST_F(ErrorText, ComposesMessageCodeStateAndStateText)
{
    g_message = Answering(60, "SQL1031N  The database directory cannot be found.\r\n");
    g_state = Answering(30, "58031: Connection failed.\n");
    EXPECT_EQ("SQL1031N  The database directory cannot be found.\r\nSQLCODE = -1031\r\nSQLSTATE = \"58031\"\r\n"
              "58031: Connection failed.\n",
              sys.GetErrorText(MakeSqlca(-1031, "58031")));
}

TEST_F(ErrorText, SqlstateEndsAtANulInsideItsFiveBytes)
{
    const char state[6] = {'4', '2', '\0', '0', '5', '\0'};
    Sqlca ca{};
    std::memcpy(ca.bytes + rk::db2::kSqlcaSqlstate.offset, state, 5);
    EXPECT_EQ("SQLCODE = 0\r\nSQLSTATE = \"42\"\r\n", sys.GetErrorText(ca));
}

TEST_F(ErrorText, SqlstateNeedsNoTerminatorInTheSqlca)
{
    Sqlca ca{};
    std::memset(ca.bytes, 'Z', sizeof ca.bytes);
    rk::db2::SetSqlcode(ca, 1057);
    std::memcpy(ca.bytes + rk::db2::kSqlcaSqlstate.offset, "01606", 5);
    EXPECT_EQ("SQLCODE = 1057\r\nSQLSTATE = \"01606\"\r\n", sys.GetErrorText(ca));
}

TEST_F(ErrorText, OnlyTheFirstLookupSucceedingAddsNothingAfterTheLastLine)
{
    g_message = Answering(20, "SQL1037W  Empty.\r\n");
    g_state.result = 0;
    EXPECT_EQ("SQL1037W  Empty.\r\nSQLCODE = 1037\r\nSQLSTATE = \"01000\"\r\n",
              sys.GetErrorText(MakeSqlca(1037, "01000")))
        << "the buffer still holding the first lookup's text must not become the SQLSTATE text";
}

TEST_F(ErrorText, NegativeLookupResultsEmptyTheirPieces)
{
    g_message = Answering(-3, "never used");
    g_state = Answering(-2, "never used");
    EXPECT_EQ("SQLCODE = -104\r\nSQLSTATE = \"42601\"\r\n", sys.GetErrorText(MakeSqlca(-104, "42601")));
}

TEST_F(ErrorText, LongCompositionIsCutAfter1022Characters)
{
    g_message = Answering(900, std::string(900, 'm'));
    g_state = Answering(200, std::string(200, 's'));
    const std::string text = sys.GetErrorText(MakeSqlca(-104, "42601"));
    const std::string lines = "SQLCODE = -104\r\nSQLSTATE = \"42601\"\r\n";
    ASSERT_EQ(1136u, 900 + lines.size() + 200);
    EXPECT_EQ(1022u, text.size());
    EXPECT_EQ(std::string(900, 'm') + lines + std::string(86, 's'), text);
}

TEST_F(ErrorText, LookupFillingTheWholeBufferIsReadNoFurther)
{
    g_message.result = 1024;
    g_message.fillWithoutNul = true;
    const std::string text = sys.GetErrorText(MakeSqlca(-1, "00000"));
    EXPECT_EQ(1022u, text.size());
    EXPECT_EQ(std::string(1022, 'M'), text);
}

} // namespace
