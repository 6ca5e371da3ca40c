#pragma once
// The program's directory: where its tables, pictures and help pages lie.
#include <QString>

namespace platform {

// The directory of the running executable, with a trailing separator.
QString programDir();

}  // namespace platform
