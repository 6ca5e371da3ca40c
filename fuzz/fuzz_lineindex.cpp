// The text lines' index: arbitrary bytes as a file; the lines it finds must
// cover the file exactly, each ending at its first line feed or split where a
// line grows too long (never inside a UTF-8 character), and the lines looked
// up from anywhere must be the lines found in order.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tools/hexview/LineIndex.h"
#include "tools/hexview/MappedFile.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Short inputs are stretched so that lines longer than the limit occur.
    std::string text(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] == 'L') text = std::string(4090 + data[size - 1] % 16, 'x') + text;
    const int fd = memfd_create("lineindex", 0);
    require(fd >= 0);
    require(::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()));
    auto file = std::make_shared<hexview::MappedFile>("/proc/self/fd/" + std::to_string(fd));
    ::close(fd);

    hexview::LineIndex index(file);
    index.runToEnd();
    require(index.complete());
    const std::uint64_t count = index.lineCount();
    const std::vector<hexview::LineRange> all = index.lines(0, count);
    require(all.size() == count);
    std::uint64_t at = 0;
    for (std::size_t k = 0; k < all.size(); ++k) {
        const hexview::LineRange& line = all[k];
        require(line.start == at && line.end > line.start && line.end - line.start <= hexview::kMaxLineBytes);
        const char* bytes = text.data() + line.start;
        const std::size_t length = line.end - line.start;
        const void* feed = std::memchr(bytes, '\n', length);
        const bool last = line.end == text.size();
        if (feed) {
            require(static_cast<const char*>(feed) == bytes + length - 1);
        } else if (!last) {
            require(length > hexview::kMaxLineBytes - 4);
            require((static_cast<unsigned char>(text[line.end]) & 0xC0) != 0x80 || length == hexview::kMaxLineBytes - 3);
        }
        require(index.lineAt(line.start) == k && index.lineAt(line.end - 1) == k);
        at = line.end;
    }
    require(at == text.size());
    if (count > 0) {
        const std::uint64_t first = data[size / 2] % count;
        const std::vector<hexview::LineRange> tail = index.lines(first, count);
        require(tail.size() == count - first && tail.front().start == all[first].start);
    }
    return 0;
}
