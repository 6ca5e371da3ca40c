#pragma once
// The commands of the calculator and the plotter: `Kvantor2 <name> ...`.
#include <vector>

#include "core/Command.h"

namespace calc {

const std::vector<kv::CommandRow>& commandRows();

}  // namespace calc
