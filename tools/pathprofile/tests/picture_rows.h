// The rows of a saved profile picture: the title strip above (ended by its dark rule across the
// whole width) and the plot's window below it.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <filesystem>
#include <utility>

#include "plot/canvas.h"

namespace pathprofile::testing {

// The rule at the foot of the title strip.
inline const QColor kStripRule(plot::kTitleStripRule.red, plot::kTitleStripRule.green,
                               plot::kTitleStripRule.blue);

// The rows of the strip, its rule included: the plot starts at this row. -1 when no row of the
// picture is the rule.
inline int TitleStripRows(const QImage& picture) {
    for (int row = 0; row < picture.height(); ++row) {
        bool rule = true;
        for (int col = 0; col < picture.width() && rule; ++col)
            rule = picture.pixelColor(col, row) == kStripRule;
        if (rule) return row + 1;
    }
    return -1;
}

// Width and height of the plot below a saved picture's title strip; (0, 0) for a picture that
// cannot be read or has no strip.
inline std::pair<int, int> PlotSize(const std::filesystem::path& png) {
    const QImage picture(QString::fromStdString(png.string()));
    const int strip = picture.isNull() ? -1 : TitleStripRows(picture);
    if (strip < 0) return {0, 0};
    return {picture.width(), picture.height() - strip};
}

}  // namespace pathprofile::testing
