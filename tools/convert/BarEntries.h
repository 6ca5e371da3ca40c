#pragma once
// The launcher bar's buttons and menu entries for the converter and the unit finder.
#include <vector>

#include "core/BarEntry.h"

namespace convert {

const std::vector<kv::BarEntry>& barEntries();

}  // namespace convert
