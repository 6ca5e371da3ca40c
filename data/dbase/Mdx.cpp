#include "data/dbase/Mdx.h"

#include "data/dbase/FileIO.h"

namespace dbase {

std::vector<TagInfo> readMdxTags(const std::string& path) { return parseMdxTags(readWholeFile(path), path); }

void writeMdx(const std::string& path, const std::string& tableName, const std::vector<MdxTag>& tags,
              int codePage) {
    writeFileAtomically(path, buildMdx(tableName, tags, codePage));
}

}  // namespace dbase
