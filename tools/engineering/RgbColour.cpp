#include "tools/engineering/RgbColour.h"

#include <algorithm>
#include <cstdio>

#include <QString>

#include "core/NumberRead.h"

namespace engineering {

namespace {


constexpr NamedColour kNamed[] = {
    {"clScrollBar = 0x80000000;", 0x80000000},
    {"clBackground = 0x80000001;", 0x80000001},
    {"clActiveCaption = 0x80000002;", 0x80000002},
    {"clInactiveCaption = 0x80000003;", 0x80000003},
    {"clMenu = 0x80000004;", 0x80000004},
    {"clWindow = 0x80000005;", 0x80000005},
    {"clWindowFrame = 0x80000006;", 0x80000006},
    {"clMenuText = 0x80000007;", 0x80000007},
    {"clWindowText = 0x80000008;", 0x80000008},
    {"clCaptionText = 0x80000009;", 0x80000009},
    {"clActiveBorder = 0x8000000a;", 0x8000000a},
    {"clInactiveBorder = 0x8000000b;", 0x8000000b},
    {"clAppWorkSpace = 0x8000000c;", 0x8000000c},
    {"clHighlight = 0x8000000d;", 0x8000000d},
    {"clHighlightText = 0x8000000e;", 0x8000000e},
    {"clBtnFace = 0x8000000f;", 0x8000000f},
    {"clBtnShadow = 0x80000010;", 0x80000010},
    {"clGrayText = 0x80000011;", 0x80000011},
    {"clBtnText = 0x80000012;", 0x80000012},
    {"clInactiveCaptionText = 0x80000013;", 0x80000013},
    {"clBtnHighlight = 0x80000014;", 0x80000014},
    {"cl3DDkShadow = 0x80000015;", 0x80000015},
    {"cl3DLight = 0x80000016;", 0x80000016},
    {"clInfoText = 0x80000017;", 0x80000017},
    {"clInfoBk = 0x80000018;", 0x80000018},
    {"clBlack = 0x0;", 0x0},
    {"clMaroon = 0x80;", 0x80},
    {"clGreen = 0x8000;", 0x8000},
    {"clOlive = 0x8080;", 0x8080},
    {"clNavy = 0x800000;", 0x800000},
    {"clPurple = 0x800080;", 0x800080},
    {"clTeal = 0x808000;", 0x808000},
    {"clGray = 0x808080;", 0x808080},
    {"clSilver = 0xc0c0c0;", 0xc0c0c0},
    {"clRed = 0xff;", 0xff},
    {"clLime = 0xff00;", 0xff00},
    {"clYellow = 0xffff;", 0xffff},
    {"clBlue = 0xff0000;", 0xff0000},
    {"clFuchsia = 0xff00ff;", 0xff00ff},
    {"clAqua = 0xffff00;", 0xffff00},
    {"clLtGray = 0xc0c0c0;", 0xc0c0c0},
    {"clDkGray = 0x808080;", 0x808080},
    {"clWhite = 0xffffff;", 0xffffff},
    {"clNone = 0x1fffffff;", 0x1fffffff},
};


}  // namespace

std::uint32_t colourValue(Rgb c) {
    return std::uint32_t(c.red) + std::uint32_t(c.green) * 256 + std::uint32_t(c.blue) * 65536;
}

Rgb fromColourValue(std::uint32_t value) {
    return {int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff)};
}

std::string hexText(Rgb c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", unsigned(colourValue(c)));
    return text;
}

Rgb inverted(Rgb c) { return {255 - c.red, 255 - c.green, 255 - c.blue}; }

ComponentEntry componentEntry(const std::string& text) {
    if (text.empty()) return {"0", 0};
    const int value = kv::readInteger(text);
    if (value > 255) return {"255", 255};
    if (value < 0) return {"0", 0};
    return {text, value};
}

std::span<const NamedColour> namedColours() { return kNamed; }

std::string constantName(const NamedColour& colour) {
    const std::string entry = colour.entry;
    return entry.substr(0, entry.find(' '));
}

const NamedColour* findNamedColour(std::string_view name) {
    const QString wanted = QString::fromUtf8(name.data(), qsizetype(name.size()));
    for (const NamedColour& colour : kNamed) {
        const QString constant = QString::fromStdString(constantName(colour));
        if (constant.compare(wanted, Qt::CaseInsensitive) == 0 ||
            constant.mid(2).compare(wanted, Qt::CaseInsensitive) == 0)
            return &colour;
    }
    return nullptr;
}

bool isSystemColour(std::uint32_t value) { return value >= kSystemColourBase && value < kSystemColourBase + kSystemColours; }

}  // namespace engineering
