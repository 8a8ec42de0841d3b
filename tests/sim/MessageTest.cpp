// The message functions of the stand-in's db2sys.dll: sqlaintp_api for an
// SQLCODE and sqlogstt for an SQLSTATE.

#include <algorithm>
#include <cstring>
#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "SimMessages.h"
#include "SimTestSupport.h"
#include "db2/Db2Files.h"

namespace {

using namespace rk::db2;

// Every SQLCODE the stand-in's db2app.dll reports.
constexpr std::int32_t kProducedCodes[] = {-902, -1000, -1001, -1005, -1013, 1014,  -1018, -1019, -1021, -1027, -1031,
                                           1037, -1038, -1039, -1056, 1057,  -1095, 1100,  -1332, -1333, -2032, -10004};

class SimMessage : public testing::Test {
protected:
    rk::test::SimLibrary sys{RK_DB2SYS_FILE};
    SqlaintpFn sqlaintp_api = sys.Entry<SqlaintpFn>("sqlaintp_api@20");
    SqlogsttFn sqlogstt = sys.Entry<SqlogsttFn>("sqlogstt");
    char buffer[1024];

    void SetUp() override
    {
        ASSERT_NE(nullptr, sqlaintp_api);
        ASSERT_NE(nullptr, sqlogstt);
        std::memset(buffer, '*', sizeof buffer);
    }

    static Sqlca MakeSqlca(std::int32_t sqlcode, const std::string& tokens = std::string())
    {
        Sqlca ca{};
        SetSqlcode(ca, sqlcode);
        rk::bytes::WriteI16(ca.bytes, kSqlcaErrmlOffset, static_cast<std::int16_t>(tokens.size()));
        std::memcpy(ca.bytes + kSqlcaErrmc.offset, tokens.data(), std::min(tokens.size(), kSqlcaErrmc.width));
        return ca;
    }

    // The message for `ca`, or "<result>" when the call returns no text.
    std::string Message(Sqlca ca, short size = 1024, short width = 0)
    {
        const int result = sqlaintp_api(buffer, size, width, "db2sql.mo", &ca);
        if (result <= 0)
            return "<" + std::to_string(result) + ">";
        EXPECT_EQ(std::strlen(buffer), static_cast<std::size_t>(result));
        return buffer;
    }

    std::string StateText(const char* sqlstate, short size = 1024, short width = 0)
    {
        const int result = sqlogstt(buffer, size, width, const_cast<char*>(sqlstate));
        if (result <= 0)
            return "<" + std::to_string(result) + ">";
        EXPECT_EQ(std::strlen(buffer), static_cast<std::size_t>(result));
        return buffer;
    }
};

TEST_F(SimMessage, DirectoryMessagesAreWordedAsDb2WordsThem)
{
    EXPECT_EQ("SQL1013N  The database alias name or database name \"SAMPLE\" could not be found.  SQLSTATE=42705\r\n",
              Message(MakeSqlca(-1013, "SAMPLE")));
    EXPECT_EQ("SQL1057W  The system database directory is empty.  SQLSTATE=01606\r\n", Message(MakeSqlca(1057)));
    EXPECT_EQ("SQL1001N  \"BAD.NAME\" is not a valid database name.  SQLSTATE=2E000\r\n",
              Message(MakeSqlca(-1001, "BAD.NAME")));
    EXPECT_EQ("SQL1000N  \"X\" is not a valid database alias name.\r\n", Message(MakeSqlca(-1000, "X")));
    EXPECT_EQ("SQL1005N  The database alias \"S\" already exists in either the local database directory or "
              "system database directory.\r\n",
              Message(MakeSqlca(-1005, "S")));
    EXPECT_EQ("SQL1027N  The node directory cannot be found.\r\n", Message(MakeSqlca(-1027)));
    EXPECT_EQ("SQL1031N  The database directory cannot be found on the indicated file system.\r\n",
              Message(MakeSqlca(-1031)));
    EXPECT_EQ("SQL1037W  The node directory is empty.  SQLSTATE=01606\r\n", Message(MakeSqlca(1037)));
    EXPECT_EQ("SQL1038C  An I/O error occurred while accessing the node directory.  SQLSTATE=58031\r\n",
              Message(MakeSqlca(-1038, "nodes.txt\xFFline 3: not a \"key = value\" line")))
        << "the stand-in's tokens of a damaged file stay out of DB2's text";
    EXPECT_EQ("SQL1100W  The node name \"N1\" specified in the Catalog Database command has not been cataloged in "
              "the Node Directory.\r\n",
              Message(MakeSqlca(1100, "N1")));
    EXPECT_EQ("SQL1013N  The database alias name or database name \"\" could not be found.  SQLSTATE=42705\r\n",
              Message(MakeSqlca(-1013)))
        << "a missing token";
}

// Every message the stand-in knows, as DB2 formats one.
TEST_F(SimMessage, EveryKnownCodeFormatsItsMessageAndItsSqlstateHasAText)
{
    for (const std::int32_t code : rk::sim::KnownSqlcodes()) {
        if (code == 0)
            continue;
        SCOPED_TRACE(code);
        // "SQL" and the code in four digits, then N or C for an error, W for a warning, two blanks.
        std::string digits = std::to_string(code < 0 ? -code : code);
        digits.insert(0, 4 - std::min<std::size_t>(4, digits.size()), '0');
        const std::string text = Message(MakeSqlca(code, "TOKEN"));
        const std::string id = "SQL" + digits;
        ASSERT_EQ(id, text.substr(0, id.size())) << text;
        EXPECT_NE(std::string::npos, std::string(code < 0 ? "NC" : "W").find(text[id.size()])) << text;
        EXPECT_EQ("  ", text.substr(id.size() + 1, 2));
        EXPECT_EQ("\r\n", text.substr(text.size() - 2));
        EXPECT_EQ(std::string::npos, text.find('%')) << "every token was filled in";
        const rk::sim::SqlcodeMessage* row = rk::sim::FindSqlcodeMessage(code);
        ASSERT_NE(nullptr, row);
        EXPECT_GT(sqlogstt(buffer, 1024, 0, const_cast<char*>(row->sqlstate)), 0) << row->sqlstate;
    }
}

TEST_F(SimMessage, SqlaintpResultConventions)
{
    Sqlca ca = MakeSqlca(-1013, "X");
    EXPECT_EQ("<-2>", Message(MakeSqlca(0)));
    EXPECT_EQ("<-3>", Message(MakeSqlca(-9999)));
    EXPECT_EQ(-3, sqlaintp_api(buffer, 1024, 0, "other.mo", &ca));
    EXPECT_EQ(-3, sqlaintp_api(buffer, 1024, 0, nullptr, &ca));
    EXPECT_EQ(-4, sqlaintp_api(buffer, 1024, -1, "db2sql.mo", &ca));
    EXPECT_EQ(-5, sqlaintp_api(nullptr, 1024, 0, "db2sql.mo", &ca));
    EXPECT_EQ(-5, sqlaintp_api(buffer, 0, 0, "db2sql.mo", &ca));
    EXPECT_EQ(-5, sqlaintp_api(buffer, -1, 0, "db2sql.mo", &ca));
    EXPECT_EQ(-5, sqlaintp_api(buffer, 1024, 0, "db2sql.mo", nullptr));
    EXPECT_EQ('*', buffer[0]) << "no failed call writes to the buffer";
    EXPECT_GT(sqlaintp_api(buffer, 1024, 0, "DB2SQL.MO", &ca), 0);
}

TEST_F(SimMessage, TextsAreCutToTheBuffer)
{
    const std::string full = Message(MakeSqlca(-1013, "SAMPLE"));
    std::memset(buffer, '*', sizeof buffer);
    EXPECT_EQ(full.substr(0, 9), Message(MakeSqlca(-1013, "SAMPLE"), 10));
    EXPECT_EQ('*', buffer[10]);
    std::memset(buffer, '*', sizeof buffer);
    EXPECT_EQ(0, sqlaintp_api(buffer, 1, 0, "db2sql.mo", std::make_unique<Sqlca>(MakeSqlca(1057)).get()));
    EXPECT_EQ('\0', buffer[0]);
    EXPECT_EQ('*', buffer[1]);
    EXPECT_EQ(full.size() - 1,
              static_cast<std::size_t>(sqlaintp_api(buffer, static_cast<short>(full.size()), 0, "db2sql.mo",
                                                    std::make_unique<Sqlca>(MakeSqlca(-1013, "SAMPLE")).get())))
        << "one byte short of room for the NUL";

    // A token longer than sqlerrmc can hold is cut at 70 bytes.
    const std::string host(100, 'h');
    EXPECT_EQ("SQL1332N  The host name \"" + host.substr(0, 70) + "\" is not valid.\r\n",
              Message(MakeSqlca(-1332, host)));
}

// The words of a text, one blank between them.
std::string Words(const std::string& text)
{
    std::istringstream stream(text);
    std::string words;
    for (std::string word; stream >> word;)
        words += (words.empty() ? "" : " ") + word;
    return words;
}

TEST_F(SimMessage, PositiveLineWidthBreaksAtBlanks)
{
    const std::string unbroken = Message(MakeSqlca(-1013, "SAMPLE"));
    const std::string text = Message(MakeSqlca(-1013, "SAMPLE"), 1024, 20);
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        ASSERT_EQ('\r', line.back());
        EXPECT_LE(line.size() - 1, 20u) << line;
    }
    EXPECT_GT(count, 4);
    EXPECT_EQ(Words(unbroken), Words(text));
    EXPECT_EQ("SQL1013N  The", text.substr(0, 13)) << "blanks inside a line stay";

    const std::string split = StateText("42705", 1024, 4);
    EXPECT_EQ("4270\n5:\nAn\n", split.substr(0, 11)) << "a word longer than the line is split";
}

TEST_F(SimMessage, SqlstateTextsEndInALineFeed)
{
    EXPECT_EQ("42705: An undefined server-name was detected.\n", StateText("42705"));
    EXPECT_EQ("42704: An undefined object or constraint name was detected.\n", StateText("42704"));
    EXPECT_EQ("01606: The node or system database directory is empty.\n", StateText("01606"));
    EXPECT_EQ("42: Syntax Error or Access Rule Violation\n", StateText("42")) << "a class code";
    EXPECT_EQ("42999: Syntax Error or Access Rule Violation\n", StateText("42999")) << "unknown state, known class";
    EXPECT_EQ("42705: An undefined server-name was detected.\n", StateText("42705\x01")) << "at most 5 bytes are read";
    EXPECT_EQ("<-3>", StateText("ZZ999"));
}

TEST_F(SimMessage, SqlogsttResultConventions)
{
    for (const char* bad : {"", "4", "427", "4270", "     ", "4270!", "42 05"})
        EXPECT_EQ("<-2>", StateText(bad)) << '"' << bad << '"';
    // The five bytes of an sqlca's field need no terminator.
    const auto field = std::make_unique<char[]>(5);
    std::memcpy(field.get(), "42705", 5);
    EXPECT_EQ(46, sqlogstt(buffer, 1024, 0, field.get()));

    std::memset(buffer, '*', sizeof buffer);
    EXPECT_EQ(-5, sqlogstt(nullptr, 1024, 0, field.get()));
    EXPECT_EQ(-5, sqlogstt(buffer, 0, 0, field.get()));
    EXPECT_EQ(-5, sqlogstt(buffer, 1024, 0, nullptr));
    EXPECT_EQ(-4, sqlogstt(buffer, 1024, -2, field.get()));
    EXPECT_EQ('*', buffer[0]);
    EXPECT_EQ("42705: A", StateText("42705", 9));
    EXPECT_EQ('*', buffer[9]);
}

TEST(SimMessages, SqlcaOfTheAppLibraryExplainsItself)
{
    const rk::test::SimHome home;
    const rk::test::SimLibrary app(RK_DB2APP_FILE);
    const rk::test::SimLibrary sys(RK_DB2SYS_FILE);
    const auto uncatalog = app.Entry<SqleuncdFn>("sqleuncd_api");
    const auto message = sys.Entry<SqlaintpFn>("sqlaintp_api@20");
    ASSERT_NE(nullptr, uncatalog);
    ASSERT_NE(nullptr, message);
    home.Write("databases.txt", "");
    Sqlca ca{};
    char alias[] = "MISSING";
    uncatalog(alias, &ca);
    char text[1024] = {};
    ASSERT_GT(message(text, sizeof text, 0, "db2sql.mo", &ca), 0);
    EXPECT_STREQ(
        "SQL1013N  The database alias name or database name \"MISSING\" could not be found.  SQLSTATE=42705\r\n", text);
}

} // namespace
