#pragma once
// The commands of the converter and the unit finder: `Kvantor2 <name> ...`.
#include <vector>

#include "core/Command.h"

namespace convert {

const std::vector<kv::CommandRow>& commandRows();

}  // namespace convert
