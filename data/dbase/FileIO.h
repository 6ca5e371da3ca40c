#pragma once
// Whole-file reads and crash-safe whole-file writes for the table engine.
#include <string>

namespace dbase {

// Reads a regular file. Throws DbfError naming the file and the system's reason.
std::string readWholeFile(const std::string& path);

// Replaces (or creates) `path` as kv::replaceFile does (a crash leaves the old
// or the new content, links followed, mode kept). Throws DbfError.
void writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace dbase
