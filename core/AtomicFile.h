#pragma once
// Replacing a file so that a crash at any moment leaves either its old or its
// new content, and so that it stays the user's file: a write through a
// symbolic link replaces the file the link names and leaves the link alone,
// and a replaced file keeps its permissions (and its owner and group where the
// user may give them).
#include <functional>
#include <string>

namespace kv {

// The name a write to `path` lands on: `path` with its symbolic links
// followed (the file they lead to need not exist yet). Throws kv::Error for a
// loop of links.
std::string linkTarget(const std::string& path);

// Replaces (or creates) the file `path` leads to. `write` puts the new content
// into the descriptor it is given (a temporary file in the same folder, closed
// on exec); that file is flushed to disk and renamed over the old one, and the
// folder is flushed too. A failure throws kv::Error "<path>: <what> (<reason>)"
// and whatever `write` throws passes through; either way the temporary file
// is gone and the old file is as it was.
void replaceFile(const std::string& path, const std::function<void(int fd)>& write);
void replaceFile(const std::string& path, const std::string& bytes);

}  // namespace kv
