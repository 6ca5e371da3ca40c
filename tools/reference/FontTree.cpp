#include "tools/reference/FontTree.h"

#include <algorithm>

namespace reference {

bool fontNameLess(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

FontTree classifyFonts(const std::vector<FontFamily>& families) {
    FontTree tree;
    for (const FontFamily& f : families) {
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
