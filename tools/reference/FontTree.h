#pragma once
// The installed font families as the fonts window lists them: outline fonts
// that scale smoothly as "TrueType", bitmap fonts as "Raster", each group
// sorted and counted.
#include <QString>
#include <QStringList>
#include <vector>

namespace reference {

struct FontFamily {
    QString name;
    bool smoothlyScalable = false;  // an outline font
    bool bitmapScalable = false;    // a bitmap font the system scales
};

struct FontTree {
    QStringList trueType;  // sorted
    QStringList raster;    // sorted
    int trueTypeCount = 0;
    int rasterCount = 0;
};

// Scaled bitmap fonts belong to neither group and are left out. A family
// named "Symbol" is counted in its group but not listed, so a count can
// exceed its list by one. A family that several foundries make, which the
// font database names "Family [Foundry]", is one family: listed and counted
// once, an outline font if any of its makers' fonts is one. The generic names
// the font database adds for fontconfig's aliases are no installed family and
// are left out.
FontTree classifyFonts(const std::vector<FontFamily>& families);

// "Nimbus Sans [URW ]" -> "Nimbus Sans"; a name without a foundry as it is.
QString familyWithoutFoundry(const QString& name);

// Alphabetical as a tree view sorts: letter case ignored, then letter case
// deciding between names that differ in it alone.
bool fontNameLess(const QString& a, const QString& b);

}  // namespace reference
