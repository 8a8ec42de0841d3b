#pragma once
// File operations whose safe or expected form differs by platform.

#include <string>

namespace rk::os {

// Appends `text` to the file at `path` (created if missing), so that writers
// in other threads and processes that append to the same file through this
// function never interleave with it. Linux appends each write atomically;
// on Windows the C run-time appends by moving to the end and then writing,
// and Wine's append access is no better, so writers hold a mutex named
// after the file. Failures are ignored.
void AppendToFile(const std::string& path, const std::string& text);

// Creates one directory, readable by its owner only on Linux; failures,
// including an existing directory, are ignored.
void MakeDirectory(const std::string& path);
// Removes a directory if it is empty; failures are ignored.
void RemoveEmptyDirectory(const std::string& path);

// Makes standard output write bytes as they are: the Windows C run-time
// otherwise writes "\n" as "\r\n" (and "\r\n" as "\r\r\n"). Nothing on Linux.
void UseBinaryStandardOutput();

} // namespace rk::os
