#pragma once
// The launcher bar's buttons and menu entries for the graph and calculator.
#include <vector>

#include "core/BarEntry.h"

namespace calc {

const std::vector<kv::BarEntry>& barEntries();

}  // namespace calc
