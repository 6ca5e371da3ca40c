#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "data/dbase/Mdx.h"
#include "data/dbase/MdxBcd.h"
#include "tests/data/dbase/MdxTreeWalk.h"

namespace dbase {
namespace {

Key text(std::string t) { return Key{false, 0, std::move(t)}; }
Key number(double n) { return Key{true, n, {}}; }

MdxTag tag(std::string name, std::string expression, std::vector<Key> keys, bool descending = false,
           bool unique = false) {
    MdxTag t;
    t.info = {std::move(name), std::move(expression), descending, unique};
    t.numeric = !keys.empty() && keys.front().numeric;
    for (std::size_t i = 0; i < keys.size(); ++i) t.entries.emplace_back(keys[i], static_cast<std::uint32_t>(i + 1));
    return t;
}

void expectSameTags(const std::vector<MdxTag>& written, const std::vector<TagInfo>& read) {
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].name, written[i].info.name);
        EXPECT_EQ(read[i].expression, written[i].info.expression);
        EXPECT_EQ(read[i].descending, written[i].info.descending) << read[i].name;
        EXPECT_EQ(read[i].unique, written[i].info.unique) << read[i].name;
    }
}

TEST(Mdx, TagDirectoryReadsBackAsWritten) {
    std::vector<MdxTag> many;
    for (int i = 0; i < 47; ++i) many.push_back(tag("T" + std::to_string(i), "FIELD" + std::to_string(i), {}));
    const std::vector<std::vector<MdxTag>> sets = {
        {},
        {tag("CLASS", "CLASS", {number(1), number(2), number(3)})},
        {tag("CLASS", "CLASS", {number(1), number(1)}), tag("NAME", "NAME", {text("Acre"), text("bar")}),
         tag("NUMBER", "NUMBER", {number(0), number(1)}), tag("C_N", "str(CLASS)+NUMBER", {text("1 0"), text("1 1")})},
        {tag("DOWN", "UPPER(NAME)", {text("Z"), text("A")}, true), tag("ONCE", "CODE", {number(5)}, false, true),
         tag("BOTH", "CODE", {number(9), number(5)}, true, true)},
        {tag("EMPTY", "NAME", {})},
        many,
    };
    for (const auto& tags : sets) {
        const std::string file = buildMdx("members", tags);
        EXPECT_EQ(file.size() % 512, 0u);
        expectSameTags(tags, parseMdxTags(file, "MEMBERS.MDX"));
    }
}

TEST(Mdx, WriterRefusesWhatTheFormatCannotHold) {
    std::vector<MdxTag> tooMany;
    for (int i = 0; i < 48; ++i) tooMany.push_back(tag("T" + std::to_string(i), "F", {}));
    const std::vector<std::pair<std::string, std::vector<MdxTag>>> cases = {
        {"48 tags", tooMany},
        {"long name", {tag("ELEVENCHARS", "NAME", {})}},
        {"name starting with a digit", {tag("1ST", "NAME", {})}},
        {"blank in name", {tag("A B", "NAME", {})}},
        {"same name twice", {tag("NAME", "NAME", {}), tag("name", "NAME", {})}},
        {"empty expression", {tag("NAME", "", {})}},
        {"expression of 221 bytes", {tag("NAME", std::string(221, 'A'), {})}},
        {"ascending keys out of order", {tag("NAME", "NAME", {text("b"), text("a")})}},
        {"descending keys out of order", {tag("NUM", "NUM", {number(1), number(2)}, true)}},
        {"mixed key types", {tag("NAME", "NAME", {text("a"), number(1)})}},
        {"key of 101 bytes", {tag("NAME", "NAME", {text(std::string(101, 'x'))})}},
        {"character outside the code page", {tag("NAME", "NAME", {text("Ж")})}},
        {"number no key holds", {tag("NUM", "NUM", {number(1e300)})}},
    };
    for (const auto& [what, tags] : cases) EXPECT_THROW(buildMdx("T", tags), DbfError) << what;

    MdxTag fixed = tag("NAME", "NAME", {text("longer than ten")});
    fixed.keyLength = 10;
    EXPECT_THROW(buildMdx("T", {fixed}), DbfError);
    MdxTag zero = tag("NAME", "NAME", {text("a")});
    zero.entries[0].second = 0;
    EXPECT_THROW(buildMdx("T", {zero}), DbfError);
}

// Bytes at fixed places of the documented layout, for the corruption cases.
void putU32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}
std::uint32_t headerPage(const std::string& b, int tag) { return mdxtest::u32(b, 544 + 32 * tag); }

TEST(Mdx, DamagedFilesGiveAnErrorNamingTheFile) {
    const std::string good = buildMdx("MEMBERS", {tag("CLASS", "CLASS", {number(1)}), tag("NAME", "NAME", {text("m")})});
    using Damage = std::function<void(std::string&)>;
    const std::vector<std::pair<std::string, Damage>> cases = {
        {"empty", [](std::string& b) { b.clear(); }},
        {"header cut", [](std::string& b) { b.resize(2047); }},
        {"last page cut", [](std::string& b) { b.resize(b.size() - 512); }},
        {"block size", [](std::string& b) { b[22] = 0x01; }},
        {"zero block pages", [](std::string& b) { b[20] = 0; b[21] = 0; b[22] = 0; b[23] = 0; }},
        {"tag entry size", [](std::string& b) { b[26] = 16; }},
        {"48 tags", [](std::string& b) { b[28] = 48; }},
        {"more tags than written", [](std::string& b) { b[28] = 3; }},
        {"page count", [](std::string& b) { putU32(b, 32, 0xFFFFFFFF); }},
        {"header page beyond the end", [](std::string& b) { putU32(b, 544, 0x7FFFFFFF); }},
        {"header page inside the file header", [](std::string& b) { putU32(b, 544 + 32, 1); }},
        {"nameless tag", [](std::string& b) { b[544 + 4] = 0; }},
        {"control character in name", [](std::string& b) { b[544 + 5] = '\n'; }},
        {"duplicate name", [](std::string& b) { b.replace(544 + 32 + 4, 11, std::string("CLASS\0\0\0\0\0\0", 11)); }},
        {"key type", [](std::string& b) { b[headerPage(b, 0) * 512 + 9] = 'X'; }},
        {"key types that disagree", [](std::string& b) { b[544 + 20] = 'C'; }},
        {"numeric key length", [](std::string& b) { b[headerPage(b, 0) * 512 + 12] = 10; }},
        {"text key length 0", [](std::string& b) { b[headerPage(b, 1) * 512 + 12] = 0; }},
        {"item length", [](std::string& b) { b[headerPage(b, 1) * 512 + 18] = 2; }},
        {"root page", [](std::string& b) { putU32(b, headerPage(b, 1) * 512, 9999); }},
        {"unterminated expression",
         [](std::string& b) { std::fill_n(b.begin() + headerPage(b, 1) * 512 + 24, 221, 'N'); }},
        {"empty expression", [](std::string& b) { b[headerPage(b, 1) * 512 + 24] = 0; }},
    };
    for (const auto& [what, damage] : cases) {
        std::string bytes = good;
        damage(bytes);
        try {
            parseMdxTags(bytes, "MEMBERS.MDX");
            ADD_FAILURE() << what << ": accepted";
        } catch (const DbfError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("MEMBERS.MDX: ", 0), 0u) << what << ": " << e.what();
        }
    }
}

// Every cut and many random flips: the reader ends in a DbfError or in tags
// it vouches for, never in a crash (the sanitizer build watches the reads).
TEST(Mdx, ArbitraryDamageNeverEscapesAsAnythingButDbfError) {
    const std::string good = buildMdx("T", {tag("A", "A", {number(1), number(2)}), tag("B", "B", {text("x")})});
    auto survive = [](const std::string& bytes) {
        try {
            for (const TagInfo& read : parseMdxTags(bytes, "T.MDX")) {
                EXPECT_FALSE(read.name.empty() || read.name.size() > 10) << read.name;
                EXPECT_FALSE(read.expression.empty());
            }
        } catch (const DbfError&) {
        }
    };
    for (std::size_t size = 0; size < good.size(); size += 61) survive(good.substr(0, size));
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> where(0, 4096);
    for (int i = 0; i < 3000; ++i) {
        std::string bytes = good;
        for (int flips = 0; flips < 4; ++flips) bytes[where(random) % bytes.size()] ^= static_cast<char>(1 + random() % 255);
        survive(bytes);
    }
}

TEST(Mdx, LargeTreeWalksInKeyOrder) {
    constexpr int kRows = 5000;
    // Records in a scrambled physical order, keys ascending: the walk must give
    // back exactly this sequence.
    std::vector<std::uint32_t> records(kRows);
    for (int i = 0; i < kRows; ++i) records[i] = static_cast<std::uint32_t>((i * 7919) % kRows + 1);

    MdxTag names = tag("NAME", "NAME", {});
    MdxTag values = tag("VALUE", "VALUE", {});
    MdxTag down = tag("DOWN", "VALUE", {}, true);
    values.numeric = down.numeric = true;
    for (int i = 0; i < kRows; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "K%05d", i);
        names.entries.emplace_back(text(key), records[i]);
        values.entries.emplace_back(number(i * 0.25 - 300), records[i]);
        down.entries.emplace_back(number(kRows - i), records[i]);
    }
    names.keyLength = 40;
    const std::string file = buildMdx("BIG", {names, values, down});
    ASSERT_EQ(parseMdxTags(file, "BIG.MDX").size(), 3u);

    mdxtest::TreeWalker walker(file);
    for (int t = 0; t < 3; ++t) {
        const mdxtest::Walk walk = walker.walk(t);
        ASSERT_EQ(walk.entries.size(), static_cast<std::size_t>(kRows)) << "tag " << t;
        EXPECT_GE(walk.depth, 3) << "tag " << t << " should need interior levels";
        for (int i = 0; i < kRows; ++i) {
            ASSERT_EQ(walk.entries[i].second, records[i]) << "tag " << t << " position " << i;
            const std::string& key = walk.entries[i].first;
            if (t == 0) {
                EXPECT_EQ(key.substr(0, 6), names.entries[i].first.text);
                EXPECT_EQ(key.substr(6), std::string(34, ' '));
            } else {
                mdx::BcdKey bcd;
                std::copy(key.begin(), key.end(), bcd.begin());
                EXPECT_EQ(mdx::decodeBcd(bcd), (t == 1 ? values : down).entries[i].first.number);
            }
        }
        // Leaves chain back to their left neighbour.
        for (std::size_t i = 1; i < walk.leafPages.size(); ++i)
            EXPECT_EQ(mdxtest::u32(file, walk.leafPages[i] * 512 + 4), walk.leafPages[i - 1]);
    }
}

TEST(Mdx, UniqueTagKeepsTheFirstRecordOfEachKey) {
    MdxTag unique = tag("CODE", "CODE", {number(1), number(1), number(2), number(3), number(3), number(3)}, false, true);
    const std::string file = buildMdx("T", {unique});
    const mdxtest::Walk walk = mdxtest::TreeWalker(file).walk(0);
    std::vector<std::uint32_t> records;
    for (const auto& entry : walk.entries) records.push_back(entry.second);
    EXPECT_EQ(records, (std::vector<std::uint32_t>{1, 3, 4}));
}

TEST(Mdx, WritesAndReadsFiles) {
    const auto dir = std::filesystem::temp_directory_path() / ("kv-mdx-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "CLASS.MDX").string();
    const std::vector<MdxTag> tags = {tag("CLASS", "CLASS", {number(1), number(2)})};
    writeMdx(path, "class", tags);
    expectSameTags(tags, readMdxTags(path));
    std::vector<std::string> files;  // no temporary left beside it
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"CLASS.MDX"});

    try {
        readMdxTags((dir / "MISSING.MDX").string());
        ADD_FAILURE() << "a missing file was read";
    } catch (const DbfError& e) {
        EXPECT_NE(std::string(e.what()).find("MISSING.MDX"), std::string::npos) << e.what();
    }
    EXPECT_THROW(writeMdx((dir / "no" / "such" / "dir.MDX").string(), "x", tags), DbfError);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace dbase
