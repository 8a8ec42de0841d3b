#pragma once
// Scope guards for the CLI handles of one connection test: a handle is
// released through SQLFreeHandle, and a connection handle disconnected
// through SQLDisconnect, when its guard goes. Declared in allocation order,
// they undo in reverse: disconnection, connection handle, environment.

#include "db2/CRkDb2CliLib.h"

class CRkCliHandle {
public:
    CRkCliHandle(CRkDb2CliLib& cli, short handleType) : m_cli(cli), m_nHandleType(handleType) { }
    ~CRkCliHandle()
    {
        // Also a handle that an allocation returned with a warning: the test
        // treats that allocation as failed but must not leak the handle.
        if (m_hHandle != nullptr)
            m_cli.SQLFreeHandle(m_nHandleType, m_hHandle);
    }
    CRkCliHandle(const CRkCliHandle&) = delete;
    CRkCliHandle& operator=(const CRkCliHandle&) = delete;

    // Where SQLAllocHandle stores the new handle.
    rk::db2::CliHandle* Receive() { return &m_hHandle; }
    rk::db2::CliHandle Get() const { return m_hHandle; }

private:
    CRkDb2CliLib& m_cli;
    const short m_nHandleType;
    rk::db2::CliHandle m_hHandle = nullptr;
};

// Disconnects when it goes, whether or not the connection was made; the
// result is not looked at.
class CRkCliDisconnect {
public:
    CRkCliDisconnect(CRkDb2CliLib& cli, rk::db2::CliHandle dbc) : m_cli(cli), m_hDbc(dbc) { }
    ~CRkCliDisconnect() { m_cli.SQLDisconnect(m_hDbc); }
    CRkCliDisconnect(const CRkCliDisconnect&) = delete;
    CRkCliDisconnect& operator=(const CRkCliDisconnect&) = delete;

private:
    CRkDb2CliLib& m_cli;
    const rk::db2::CliHandle m_hDbc;
};
