#pragma once
// Every button of the launcher bar and every entry of its popup menu that
// opens something: the bar's own and each tool's.
#include <vector>

#include "core/BarEntry.h"

const std::vector<kv::BarEntry>& barEntries();
