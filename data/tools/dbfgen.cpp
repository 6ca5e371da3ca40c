// The build's table generator: dbfgen <manifest> <sources dir> <output dir>.
// Writes every table of the manifest, with its production index, from its
// UTF-8 CSV source; the first fault stops the build with its position.
#include <iostream>

#include "data/tools/CsvReader.h"
#include "data/tools/Manifest.h"
#include "data/tools/TableGenerator.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: dbfgen <manifest> <sources dir> <output dir>\n";
        return 2;
    }
    try {
        const std::string manifest = argv[1];
        for (const dbfgen::ManifestEntry& entry : dbfgen::parseManifest(dbfgen::readSourceFile(manifest), manifest))
            dbfgen::generateTable(entry, manifest, argv[2], argv[3]);
    } catch (const kv::Error& e) {
        std::cerr << "dbfgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
