#pragma once
// Checks at compile time that a library of the stand-in defines every entry
// point of its list in db2/Db2EntryPoints.h, with the type the product calls
// it through. After the definitions:
//   RK_DB2APP_ENTRY_POINTS(RK_SIM_CHECK_ENTRY_POINT)

#include <type_traits>

#include "db2/Db2EntryPoints.h"

#define RK_SIM_CHECK_ENTRY_POINT(field, exportName, Fn, need)      \
    static_assert(std::is_same_v<decltype(&::field), rk::db2::Fn>, \
                  exportName " must have the type of its entry in the list");
