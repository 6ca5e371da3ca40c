#pragma once
// The commands of the number tools: `Kvantor2 <name> ...`.
#include <vector>

#include "core/Command.h"

namespace numbers {

const std::vector<kv::CommandRow>& commandRows();

}  // namespace numbers
