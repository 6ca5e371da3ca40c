#include "data/dbase/Mdx.h"

namespace dbase {

// Placeholder until the index module lands.
std::vector<TagInfo> readMdxTags(const std::string& path) {
    throw DbfError(path + ": production index reader not built yet");
}

void writeMdx(const std::string& path, const std::string&, const std::vector<MdxTag>&) {
    throw DbfError(path + ": production index writer not built yet");
}

}  // namespace dbase
