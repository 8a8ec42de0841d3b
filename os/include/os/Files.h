#pragma once
// File operations whose safe or expected form differs by platform.

#include <optional>
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

// The file's bytes, or nullopt when it cannot be opened or read. On
// Windows the file is opened with every sharing mode, so that it never
// keeps a writer from renaming its replacement over it for longer than the
// read takes.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `content` to a new temporary file in the same directory, flushes
// it to the disk and renames it over `path` in one step, so that a reader
// sees either the old or the new file, never a part of one. On failure the
// old file is left as it was and the temporary file is removed. On Windows,
// where a file that is being read cannot be replaced, the rename waits up
// to two seconds for the readers.
bool ReplaceFileAtomically(const std::string& path, const std::string& content);

bool FileExists(const std::string& path);

// Creates the directory and its parents; true when it exists afterwards.
bool EnsureDirectory(const std::string& path);

// Makes standard output write bytes as they are: the Windows C run-time
// otherwise writes "\n" as "\r\n" (and "\r\n" as "\r\r\n"). Nothing on Linux.
void UseBinaryStandardOutput();

} // namespace rk::os
