#pragma once
// The commands of the reference viewers: `Kvantor2 <name> ...`.
#include <vector>

#include "core/Command.h"

namespace reference {

const std::vector<kv::CommandRow>& commandRows();

}  // namespace reference
