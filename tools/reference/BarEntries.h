#pragma once
// The launcher bar's buttons and menu entries for the reference viewers.
#include <vector>

#include "core/BarEntry.h"

namespace reference {

const std::vector<kv::BarEntry>& barEntries();

}  // namespace reference
