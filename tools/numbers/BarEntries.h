#pragma once
// The launcher bar's buttons and menu entries for the number tools.
#include <vector>

#include "core/BarEntry.h"

namespace numbers {

const std::vector<kv::BarEntry>& barEntries();

}  // namespace numbers
