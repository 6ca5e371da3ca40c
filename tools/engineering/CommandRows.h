#pragma once
// The commands of the engineering calculators: `Kvantor2 <name> ...`.
#include <vector>

#include "core/Command.h"

namespace engineering {

const std::vector<kv::CommandRow>& commandRows();

}  // namespace engineering
