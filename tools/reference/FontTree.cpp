#include "tools/reference/FontTree.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace reference {

bool fontNameLess(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

QString familyWithoutFoundry(const QString& name) {
    static const QRegularExpression foundry(QStringLiteral("^(.*\\S)\\s*\\[[^\\[\\]]*\\]$"));
    const QRegularExpressionMatch m = foundry.match(name);
    return m.hasMatch() ? m.captured(1) : name;
}

namespace {

// The names Qt's fontconfig database registers for the generic families
// "serif", "sans-serif" and "monospace"; fontconfig lists no font by them.
bool isGenericAlias(const QString& name) {
    return name == QLatin1String("Serif") || name == QLatin1String("Sans Serif") ||
           name == QLatin1String("Monospace");
}

// One entry per family, its makers' fonts merged.
std::vector<FontFamily> mergeFoundries(const std::vector<FontFamily>& families) {
    std::vector<FontFamily> merged;
    std::map<QString, size_t> seen;
    for (const FontFamily& f : families) {
        const QString name = familyWithoutFoundry(f.name);
        if (isGenericAlias(name)) continue;
        const auto [at, added] = seen.try_emplace(name, merged.size());
        if (added) {
            merged.push_back({name, f.smoothlyScalable, f.bitmapScalable});
            continue;
        }
        FontFamily& family = merged[at->second];
        family.smoothlyScalable = family.smoothlyScalable || f.smoothlyScalable;
        // A plain bitmap font among the makers' makes it a raster family.
        family.bitmapScalable = family.bitmapScalable && f.bitmapScalable;
    }
    return merged;
}

}  // namespace

FontTree classifyFonts(const std::vector<FontFamily>& families) {
    FontTree tree;
    for (const FontFamily& f : mergeFoundries(families)) {
        QStringList* group = nullptr;
        if (f.smoothlyScalable) {
            ++tree.trueTypeCount;
            group = &tree.trueType;
        } else if (!f.bitmapScalable) {
            ++tree.rasterCount;
            group = &tree.raster;
        }
        if (group && f.name != QLatin1String("Symbol")) group->append(f.name);
    }
    std::sort(tree.trueType.begin(), tree.trueType.end(), fontNameLess);
    std::sort(tree.raster.begin(), tree.raster.end(), fontNameLess);
    return tree;
}

}  // namespace reference
