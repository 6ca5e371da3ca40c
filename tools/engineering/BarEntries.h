#pragma once
// The launcher bar's buttons and menu entries for the engineering calculators.
#include <vector>

#include "core/BarEntry.h"

namespace engineering {

const std::vector<kv::BarEntry>& barEntries();

}  // namespace engineering
