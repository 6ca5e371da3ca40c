#include "data/dbase/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/AtomicFile.h"
#include "data/dbase/Table.h"

namespace dbase {

namespace {

std::string reason() { return std::strerror(errno); }

Table::FileReader& readerOverride() {
    static Table::FileReader reader;
    return reader;
}

Table::FileWriter& writerOverride() {
    static Table::FileWriter writer;
    return writer;
}

}  // namespace

void Table::setFileAccessForTesting(FileReader reader, FileWriter writer) {
    readerOverride() = std::move(reader);
    writerOverride() = std::move(writer);
}

std::string readWholeFile(const std::string& path) {
    if (readerOverride()) return readerOverride()(path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw DbfError(path + ": cannot open the file (" + reason() + ")");
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw DbfError(path + ": not a regular file");
    }
    // Read straight into the result, sized from the file; a file that grows
    // meanwhile is read to its end all the same.
    std::string bytes(std::size_t(st.st_size) + 1, '\0');
    std::size_t held = 0;
    while (true) {
        if (held == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + held, bytes.size() - held);
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string why = reason();
            ::close(fd);
            throw DbfError(path + ": cannot read the file (" + why + ")");
        }
        if (n == 0) break;
        held += std::size_t(n);
    }
    bytes.resize(held);
    ::close(fd);
    return bytes;
}

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    if (writerOverride()) return writerOverride()(path, bytes);
    try {
        kv::replaceFile(path, bytes);
    } catch (const DbfError&) {
        throw;
    } catch (const kv::Error& e) {
        throw DbfError(e.what());
    }
}

}  // namespace dbase
