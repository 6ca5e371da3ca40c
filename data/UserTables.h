#pragma once
// The user's own copies of the tables the program writes.
//
// The program's folder may be a system folder nobody may write to, and
// whatever is there belongs to the package. So the first edit of a table
// copies it (with its index) to the user's data folder, and from then on the
// program reads and writes that copy.
#include <QString>
#include <string>

namespace data {

// $XDG_DATA_HOME/Kvantor2/ (by default ~/.local/share/Kvantor2/), with a trailing separator.
QString userTableDir();

// The file table `name` is read from: the user's copy when there is one,
// else `dir` + name.
QString tableFile(const QString& dir, const QString& name);

// Gives the user a copy of the table at `path` and its production index
// (each written whole through a temporary file, so no half copy is ever
// seen) and returns the copy's path; "" when `path` is the user's copy
// already. A copy that exists already is kept as it is. Throws kv::Error
// naming the folder or file when the copy cannot be made.
std::string moveToUserCopy(const std::string& path);

}  // namespace data
