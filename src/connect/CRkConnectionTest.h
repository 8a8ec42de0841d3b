#pragma once
// One CLI connection test: connect, ask for the DBMS name, disconnect, and
// render the diagnostics of every call that did not succeed.

class CRkDb2CliLib;

class CRkConnectionTest {
public:
    // Runs the whole test.
    CRkConnectionTest(CRkDb2CliLib& cliLib, const char* dataSource, const char* user, const char* password,
                      char* dbmsName, char* message);

    bool Succeeded() const { return m_bSucceeded; }

private:
    bool m_bSucceeded = false;
};
