#include "tools/hexview/Conversion.h"

#include <algorithm>
#include <cstring>

#include "tools/hexview/DumpLine.h"

namespace hexview {

std::size_t TMemoryStream::read(void* to, std::size_t n) {
    n = std::min(n, size_ - at_);
    std::memcpy(to, data_ + at_, n);
    at_ += n;
    return n;
}

int TConversion::ConvertReadStream(TStream& stream, char* buffer, int capacity) {
    if (capacity <= 0) return 0;
    return static_cast<int>(stream.read(buffer, static_cast<std::size_t>(capacity)));
}

std::string TConversion::ConvertWriteStream(const std::string& text) { return text; }

int THexConversion::ConvertReadStream(TStream& stream, char* buffer, int capacity) {
    // A line with its terminating zero needs up to 82 characters while the
    // offset has 8 digits, and a little more beyond 4 GiB.
    if (capacity <= 82 || capacity < kMaxDumpLine) return 0;
    const std::uint64_t position = stream.position();
    std::uint8_t bytes[kBytesPerLine];
    const auto count = static_cast<int>(stream.read(bytes, kBytesPerLine));
    if (count == 0) return 0;
    const int length = dumpLine(buffer, position, bytes, count);
    buffer[length] = '\0';
    const std::uint64_t after = stream.position();
    if (after % 4096 == 0 && progress_) progress_(after);
    return length;
}

std::string lowerExtension(const std::string& fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = fileName.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

void ConversionRegistry::registerConversion(const std::string& extension, ConversionFactory factory) {
    entries_.insert(entries_.begin(), {lowerExtension("." + extension), std::move(factory)});
}

const ConversionFactory* ConversionRegistry::find(const std::string& fileName) const {
    const std::string extension = lowerExtension(fileName);
    if (extension.empty()) return nullptr;
    for (const auto& [known, factory] : entries_)
        if (known == extension) return &factory;
    return nullptr;
}

std::unique_ptr<TConversion> ConversionRegistry::forFile(const std::string& fileName) const {
    const ConversionFactory* factory = find(fileName);
    return factory ? (*factory)() : nullptr;
}

bool ConversionRegistry::converts(const std::string& fileName) const { return find(fileName) != nullptr; }

std::vector<std::string> ConversionRegistry::extensions() const {
    std::vector<std::string> all;
    for (const auto& entry : entries_) all.push_back(entry.first);
    return all;
}

ConversionRegistry& conversions() {
    static ConversionRegistry registry;
    return registry;
}

}  // namespace hexview
