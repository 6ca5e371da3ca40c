#pragma once
// The per-extension file conversions of the view: a program-wide list that
// maps an extension (lower case, no dot) to a conversion. A file whose
// extension is not listed is read as plain text.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace hexview {

// What a conversion reads from: a position and the bytes from there on.
class TStream {
public:
    virtual ~TStream() = default;
    virtual std::uint64_t position() const = 0;
    // Up to `n` bytes from the position on, which moves past them; 0 at the end.
    virtual std::size_t read(void* to, std::size_t n) = 0;
};

// A stream over bytes in memory.
class TMemoryStream : public TStream {
public:
    TMemoryStream(const void* data, std::size_t size) : data_(static_cast<const char*>(data)), size_(size) {}
    std::uint64_t position() const override { return at_; }
    std::size_t read(void* to, std::size_t n) override;

private:
    const char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

class TConversion {
public:
    virtual ~TConversion() = default;
    // Puts the next piece of text into `buffer` (room for `capacity`
    // characters); returns its length, 0 at the end of input. The base reads
    // the text unchanged.
    virtual int ConvertReadStream(TStream& stream, char* buffer, int capacity);
    // Writes `text` as the file holds it; the base writes it unchanged.
    virtual std::string ConvertWriteStream(const std::string& text);
};

// One dump line per call, reporting each position that reaches a multiple of 4096.
class THexConversion : public TConversion {
public:
    using Progress = std::function<void(std::uint64_t position)>;
    explicit THexConversion(Progress progress = {}) : progress_(std::move(progress)) {}
    int ConvertReadStream(TStream& stream, char* buffer, int capacity) override;

private:
    Progress progress_;
};

using ConversionFactory = std::function<std::unique_ptr<TConversion>()>;

class ConversionRegistry {
public:
    // The new entry goes to the front, ahead of any older one for the same extension.
    void registerConversion(const std::string& extension, ConversionFactory factory);
    // The conversion of a file name's extension (any case), or nullptr for plain text.
    std::unique_ptr<TConversion> forFile(const std::string& fileName) const;
    bool converts(const std::string& fileName) const;
    std::vector<std::string> extensions() const;

private:
    const ConversionFactory* find(const std::string& fileName) const;
    std::vector<std::pair<std::string, ConversionFactory>> entries_;
};

// The list that lives as long as the program.
ConversionRegistry& conversions();

// "bin" of "/x/Data.BIN"; "" when the name has no extension.
std::string lowerExtension(const std::string& fileName);

}  // namespace hexview
