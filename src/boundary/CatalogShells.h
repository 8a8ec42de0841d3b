#pragma once
// What the two catalog exports do inside their exception guard, with the
// loader as an argument so that in-process code can drive them whole.

#include "platform/DynamicLibrary.h"

namespace rk::boundary {

// A null `message` or a `messageSize` below 1 returns 0 before anything
// else: the directories change only when the host can be told the outcome.
// Otherwise runs the operation through `loader` and copies its message into
// `message` with truncation. 1 on success, 0 otherwise.
int CatalogDatabaseShell(const char* hostName, const char* databaseName, char* message, int messageSize,
                         platform::CRkLibraryLoader& loader);
int UncatalogDatabaseShell(const char* alias, const char* nodeName, char* message, int messageSize,
                           platform::CRkLibraryLoader& loader);

} // namespace rk::boundary
