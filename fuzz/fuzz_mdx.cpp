// libFuzzer target: the production index's tag directory reader on arbitrary
// bytes. Any outcome but a result or a DbfError is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/dbase/Mdx.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        dbase::parseMdxTags(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.MDX");
    } catch (const dbase::DbfError&) {
    }
    return 0;
}
