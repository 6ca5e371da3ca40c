#pragma once
// Turns one manifest entry into its .dbf table and, when it names one, its
// production index.
#include <string>

#include "data/tools/Manifest.h"

namespace dbfgen {

// Reads `sourceDir`/entry.csv and writes into `outputDir`. Throws SourceError
// naming the CSV or manifest position at fault.
void generateTable(const ManifestEntry& entry, const std::string& manifestName, const std::string& sourceDir,
                   const std::string& outputDir);

}  // namespace dbfgen
