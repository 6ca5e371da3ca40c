// The character grid's codes against glibc's own code page 1252, what is
// shown of a character, the command line's ways to name one, the font groups
// and the key table.
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <iconv.h>

#include "core/Error.h"
#include "tools/reference/CharCodes.h"
#include "tools/reference/CodePage1252.h"
#include "tools/reference/FontTree.h"
#include "tools/reference/KeyCodes.h"
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

TEST(CharacterCode, WhatTheWindowShows) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("UnicodeData.txt").toStdString();
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0020;SPACE;Zs;0;WS;;;;;N;;;;;\n"
               "007F;<control>;Cc;0;BN;;;;;N;DELETE;;;;\n"
               "00A9;COPYRIGHT SIGN;So;0;ON;;;;;N;;;;;\n"
               "20AC;EURO SIGN;Sc;0;ET;;;;;N;;;;;\n"
               "4E00;<CJK Ideograph, First>;Lo;0;L;;;;;N;;;;;\n");
    file.close();
    const reference::UnicodeNames names(path);
    const reference::UnicodeNames missing(dir.filePath("none.txt").toStdString());
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(names.name(0x4E00), "");

    struct Case { int code; const char* text; const char* entry; const char* hex; const char* unicode; const char* bare; };
    const Case cases[] = {
        {32, " ", " ", "020", "U+0020 SPACE", "U+0020"},
        {127, "\x7f", "\x7f", "07F", "U+007F DELETE", "U+007F"},
        {128, "€", "Alt +0128", "080", "U+20AC EURO SIGN", "U+20AC"},
        {129, "", "Alt +0129", "081", "Code 129 is not defined in code page 1252",
         "Code 129 is not defined in code page 1252"},
        {169, "©", "Alt +0169", "0A9", "U+00A9 COPYRIGHT SIGN", "U+00A9"},
        {255, "ÿ", "Alt +0255", "0FF", "U+00FF", "U+00FF"},
    };
    for (const Case& c : cases) {
        const reference::CharacterCode shown = reference::characterCode(c.code, names);
        EXPECT_EQ(shown.text, QString::fromUtf8(c.text)) << c.code;
        EXPECT_EQ(shown.entry, QString::fromUtf8(c.entry)) << c.code;
        EXPECT_EQ(shown.hex, c.hex) << c.code;
        EXPECT_EQ(shown.decimal, QString::number(c.code));
        EXPECT_EQ(shown.unicode, c.unicode) << c.code;
        EXPECT_EQ(reference::characterCode(c.code, missing).unicode, c.bare) << c.code;
    }
    EXPECT_EQ(reference::gridCode(0, 0), 32);
    EXPECT_EQ(reference::gridCode(6, 31), 255);
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

TEST(FontTree, GroupsSortsAndCountsTheSymbolFamilyUnlisted) {
    const reference::FontTree tree = reference::classifyFonts({
        {"Liberation Serif", true, false}, {"Symbol", true, false},      {"fixed", false, false},
        {"Courier 10 Pitch", true, false}, {"Fixed", false, false},     {"Scaled Bitmap", false, true},
        {"arial", true, false},            {"Terminus", false, false},
    });
    EXPECT_EQ(tree.trueType, QStringList({"arial", "Courier 10 Pitch", "Liberation Serif"}));
    EXPECT_EQ(tree.raster, QStringList({"Fixed", "fixed", "Terminus"}));
    EXPECT_EQ(tree.trueTypeCount, 4);
    EXPECT_EQ(tree.rasterCount, 3);
    const reference::FontTree rasterSymbol = reference::classifyFonts({{"Symbol", false, false}});
    EXPECT_EQ(rasterSymbol.rasterCount, 1);
    EXPECT_TRUE(rasterSymbol.raster.isEmpty());
}

TEST(KeyTable, RowsInTheHotKeyListsOrder) {
    const std::vector<reference::KeyRow>& rows = reference::keyTable();
    ASSERT_EQ(rows.size(), 89u);
    const std::tuple<int, const char*, const char*> expected[] = {
        {1, "Cancel", "VK_CANCEL"},    {2, "Back", "VK_BACK"},        {8, "Esc", "VK_ESCAPE"},
        {9, "Space", "VK_SPACE"},      {20, "Snapshot", "VK_SNAPSHOT"}, {23, "Help", "VK_HELP"},
        {24, "0", "0x30"},             {33, "9", "0x39"},             {34, "A", "0x41"},
        {43, "J", "0x4a"},             {59, "Z", "0x5a"},             {60, "Numpad0", "VK_NUMPAD0"},
        {69, "Numpad9", "VK_NUMPAD9"}, {70, "Multiply", "VK_MULTIPLY"}, {72, "Separator", "VK_SEPARATOR"},
        {75, "Divide", "VK_DIVIDE"},   {76, "F1", "VK_F1"},           {87, "F12", "VK_F12"},
        {88, "Numlock", "VK_NUMLOCK"}, {89, "Scroll", "VK_SCROLL"}};
    for (const auto& [row, name, value] : expected) {
        EXPECT_EQ(rows[row - 1].name, name) << row;
        EXPECT_EQ(rows[row - 1].value, value) << row;
    }
}

}  // namespace
