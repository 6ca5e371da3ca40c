#pragma once
// The commands of the hex viewer: `Kvantor2 <name> ...`.
#include <vector>

#include "core/Command.h"

namespace hexview {

const std::vector<kv::CommandRow>& commandRows();

}  // namespace hexview
