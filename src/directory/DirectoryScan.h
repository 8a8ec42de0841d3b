#pragma once
// The fetch-and-close half of a DB2 directory scan, shared by the node
// directory and both database directory routes.

#include <cstdint>
#include <utility>

#include "db2/Db2Api.h"

namespace rk::directory {

// Fetches `count` records of an open scan and then closes it.
//   fetch(Sqlca&) -> const unsigned char*   the next record, DB2's own memory
//   take(const unsigned char*)              copies what it needs at once
//   close(Sqlca&)                           closes the scan
// A fetch with a nonzero SQLCODE (or without a record) ends the scan with
// false. The scan is then closed with a scratch sqlca, so `ca` keeps the
// failed fetch's outcome for the error text; the same happens when `take`
// throws. After the last fetch the scan is closed with `ca`; that close's
// outcome is not judged.
template <typename Fetch, typename Take, typename Close>
bool FetchAllAndClose(db2::Sqlca& ca, std::uint16_t count, Fetch fetch, Take take, Close close)
{
    class CRkCloseOnFailure {
    public:
        explicit CRkCloseOnFailure(Close& closeScan) : m_close(closeScan) { }
        ~CRkCloseOnFailure()
        {
            if (m_bArmed) {
                db2::Sqlca scratch{};
                m_close(scratch);
            }
        }
        CRkCloseOnFailure(const CRkCloseOnFailure&) = delete;
        CRkCloseOnFailure& operator=(const CRkCloseOnFailure&) = delete;
        void Disarm() { m_bArmed = false; }

    private:
        Close& m_close;
        bool m_bArmed = true;
    } guard(close);

    for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned char* record = fetch(ca);
        if (db2::Sqlcode(ca) != 0 || record == nullptr)
            return false;
        take(record);
    }
    guard.Disarm();
    close(ca);
    return true;
}

} // namespace rk::directory
