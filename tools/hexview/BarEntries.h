#pragma once
// The launcher bar's buttons and menu entries for the hex viewer.
#include <vector>

#include "core/BarEntry.h"

namespace hexview {

const std::vector<kv::BarEntry>& barEntries();

}  // namespace hexview
