// The character grid's codes against glibc's own code page 1252, the Unicode
// names file, the command line's ways to name a character. (The font groups
// are checked in the window, the rest through the window and the commands.)
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <iconv.h>

#include "core/Error.h"
#include "tools/reference/CharCodes.h"
#include "tools/reference/CodePage1252.h"
#include "tools/reference/UnicodeNames.h"

namespace {

// glibc's converter, an implementation of the code page independent of ours.
std::optional<char32_t> iconvDecode(int code) {
    iconv_t cd = iconv_open("UTF-32LE", "CP1252");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char in = static_cast<char>(code);
    char32_t out = 0;
    char* inp = &in;
    auto* outp = reinterpret_cast<char*>(&out);
    size_t inLeft = 1, outLeft = sizeof out;
    const size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) return std::nullopt;
    return out;
}

TEST(CodePage1252, EveryGridCodeDecodesAsGlibcDoesAndBack) {
    int undefined = 0;
    for (int code = reference::kFirstCode; code <= reference::kLastCode; ++code) {
        const auto ours = reference::cp1252ToUnicode(code);
        EXPECT_EQ(ours, iconvDecode(code)) << code;
        if (ours) {
            EXPECT_EQ(reference::unicodeToCp1252(*ours), code) << code;
        }
        undefined += !ours;
        EXPECT_EQ(reference::characterText(code).isEmpty(), !ours) << code;
    }
    EXPECT_EQ(undefined, 5);
    EXPECT_EQ(reference::unicodeToCp1252(0x0416), std::nullopt);
    EXPECT_EQ(reference::unicodeToCp1252(0x0081), std::nullopt);  // the C1 control is no character here
}

// What the window and the command show of each character is checked there,
// against Python's own tables; here the file's reading and its absence.
TEST(UnicodeNames, ControlsByOldNameRangesUnnamedMissingFileBare) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("UnicodeData.txt").toStdString();
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("007F;<control>;Cc;0;BN;;;;;N;DELETE;;;;\n"
               "00A9;COPYRIGHT SIGN;So;0;ON;;;;;N;;;;;\n"
               "4E00;<CJK Ideograph, First>;Lo;0;L;;;;;N;;;;;\n");
    file.close();
    const reference::UnicodeNames names(path);
    const reference::UnicodeNames missing(dir.filePath("none.txt").toStdString());
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(reference::describeCodePoint(0x7F, names), "U+007F DELETE");
    EXPECT_EQ(reference::describeCodePoint(0xA9, names), "U+00A9 COPYRIGHT SIGN");
    EXPECT_EQ(reference::describeCodePoint(0x4E00, names), "U+4E00");
    EXPECT_EQ(reference::describeCodePoint(0xA9, missing), "U+00A9");
    EXPECT_EQ(reference::characterCode(129, missing).unicode, "Code 129 is not defined in code page 1252");
}

TEST(CharacterArgument, NamesACodeOrRefuses) {
    const std::pair<const char*, int> codes[] = {
        {"A", 65}, {"7", 55}, {"€", 128}, {"U+20AC", 128}, {"u+a9", 169},
        {"0x41", 65}, {"0XFF", 255}, {"169", 169}, {"32", 32}};
    for (const auto& [text, code] : codes) EXPECT_EQ(reference::readCharacterArgument(QString::fromUtf8(text)), code) << text;
    const std::pair<const char*, const char*> refused[] = {
        {"Ж", "'Ж' is not a character of code page 1252"},
        {"U+0416", "'U+0416' is not a character of code page 1252"},
        {"U+110000", "'U+110000' is not a Unicode code point"},
        {"31", "'31' is not a code from 32 to 255"},
        {"\t", "'\t' is not a code from 32 to 255"},
        {"U+0009", "'U+0009' is not a code from 32 to 255"},
        {"u+1f", "'u+1f' is not a code from 32 to 255"},
        {"0x100", "'0x100' is not a code from 32 to 255"},
        {"0x123456789", "'0x123456789' is not a valid hexadecimal value"},
        {"0x-1", "'0x-1' is not a valid hexadecimal value"},
        {"12ab", "'12ab' is not a valid integer value"}};
    for (const auto& [text, message] : refused) {
        try {
            reference::readCharacterArgument(QString::fromUtf8(text));
            ADD_FAILURE() << text << " accepted";
        } catch (const kv::Error& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

}  // namespace
