#pragma once
// What the two catalog exports do inside their exception guard, with the
// loader as an argument so that in-process code can drive them whole.

#include <string>

#include "boundary/TruncatingCopy.h"
#include "catalog/CatalogTexts.h"
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

// The exports of version 0.2 with a message buffer: a null `message` or a
// `messageSize` below 1 returns 0 before anything else; otherwise runs
// `request(std::string& text)` and copies its text with truncation, or,
// when it throws, the fixed text of a failure inside the library. 1 when the
// request succeeded.
template <typename Request>
int RunRequest(char* message, int messageSize, Request request)
{
    if (message == nullptr || messageSize < 1)
        return 0;
    try {
        std::string text;
        const bool ok = request(text);
        TruncatingCopy(text, message, messageSize);
        return ok ? 1 : 0;
    } catch (...) {
        TruncatingCopy(catalog::kRequestFailedInsideText, message, messageSize);
        return 0;
    }
}

} // namespace rk::boundary
