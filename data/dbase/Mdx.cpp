#include "data/dbase/Mdx.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace dbase {

namespace {

std::string systemError(const std::string& path, const std::string& action) {
    return path + ": cannot " + action + ": " + std::strerror(errno);
}

}  // namespace

std::vector<TagInfo> readMdxTags(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DbfError(systemError(path, "open the production index"));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw DbfError(systemError(path, "read the production index"));
    return parseMdxTags(bytes.str(), path);
}

// The index goes to a temporary file beside the target and replaces it by a
// rename, so readers see either the old file or the complete new one.
void writeMdx(const std::string& path, const std::string& tableName, const std::vector<MdxTag>& tags,
              int codePage) {
    const std::string image = buildMdx(tableName, tags, codePage);
    const std::string temporary = path + ".tmp";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) throw DbfError(systemError(temporary, "create"));
    const bool written = std::fwrite(image.data(), 1, image.size(), out) == image.size() && std::fflush(out) == 0 &&
                         ::fsync(fileno(out)) == 0;
    const int writeErrno = errno;
    if (std::fclose(out) != 0 || !written) {
        errno = written ? errno : writeErrno;
        const std::string message = systemError(temporary, "write");
        std::remove(temporary.c_str());
        throw DbfError(message);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string message = systemError(path, "replace");
        std::remove(temporary.c_str());
        throw DbfError(message);
    }
}

}  // namespace dbase
