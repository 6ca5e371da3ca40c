#pragma once
// Whole-file reads and crash-safe whole-file writes for the table engine.
#include <string>

namespace dbase {

// Reads a regular file. Throws DbfError naming the file and the system's reason.
std::string readWholeFile(const std::string& path);

// Replaces (or creates) `path` so that a crash at any moment leaves either the
// old or the new content: the bytes go to a temporary file in the same
// directory, which is flushed to disk and renamed over the original, and the
// directory entry is flushed too. Throws DbfError; no temporary is left behind.
void writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace dbase
