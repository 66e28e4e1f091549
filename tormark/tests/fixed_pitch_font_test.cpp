// The list window's fixed-pitch font chosen by measuring what is drawn, not by Qt's flag, which
// fontconfig leaves unset for Noto Sans Mono (fonts-noto-mono, the fixed font of a GNOME desktop).

#include "fixed_pitch_font.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QSet>

namespace tormark {
namespace {

constexpr int kPointSize = 9;

bool Installed(const QString& family) {
    return QFontDatabase::families().contains(family);
}

TEST(FixedPitchFont, TheFirstCandidateThatPassesTheProbeInCandidateOrder) {
    const QStringList candidates = {"Lucida Console", "Noto Sans Mono", "DejaVu Sans Mono"};
    // As on a GNOME desktop: no Lucida Console; both monospaced families measure fixed pitch.
    const QSet<QString> fixed = {"DejaVu Sans Mono", "Noto Sans Mono"};
    QStringList probed;
    const auto probe = [&](const QString& family) {
        probed << family;
        return fixed.contains(family);
    };
    EXPECT_EQ(FirstFixedPitchFamily(candidates, probe), QString("Noto Sans Mono"));
    EXPECT_EQ(probed, (QStringList{"Lucida Console", "Noto Sans Mono"}));
    EXPECT_EQ(FirstFixedPitchFamily({"Lucida Console", "DejaVu Sans"}, probe), std::nullopt);
    EXPECT_EQ(FirstFixedPitchFamily({}, probe), std::nullopt);
}

TEST(FixedPitchFont, MeasuresTheFamilyThatIsDrawn) {
    if (!Installed("DejaVu Sans Mono") || !Installed("DejaVu Sans"))
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    EXPECT_TRUE(IsInstalledFixedPitch("DejaVu Sans Mono", kPointSize));
    EXPECT_FALSE(IsInstalledFixedPitch("DejaVu Sans", kPointSize));
    QFont proportional("DejaVu Sans");
    proportional.setPointSize(kPointSize);
    EXPECT_FALSE(DrawsFixedPitch(proportional));
    // A family that is not installed is drawn in a stand-in, whatever that measures.
    for (const char* missing : {"Lucida Console", "No Such Family Tormark"}) {
        if (Installed(missing)) continue;
        EXPECT_FALSE(IsInstalledFixedPitch(missing, kPointSize)) << missing;
    }
}

TEST(FixedPitchFont, AnyPreferenceGivesAnInstalledFixedPitchFont) {
    for (const QStringList& preferred :
         {QStringList{"Lucida Console"}, QStringList{"No Such Family Tormark"}, QStringList{}}) {
        const QFont font = FixedPitchFont(preferred, kPointSize);
        EXPECT_TRUE(DrawsFixedPitch(font)) << font.family().toStdString();
        EXPECT_EQ(QFontInfo(font).family(), font.family());
        EXPECT_EQ(font.pointSize(), kPointSize);
    }
}

// With fonts-noto-mono Qt calls Noto Sans Mono proportional although it is not: its widths
// count, not the flag.
TEST(FixedPitchFont, NotoSansMonoCountsAsFixedPitch) {
    if (!Installed("Noto Sans Mono")) GTEST_SKIP() << "fonts-noto-mono is not installed";
    EXPECT_TRUE(IsInstalledFixedPitch("Noto Sans Mono", kPointSize));
    EXPECT_EQ(FixedPitchFont({"Noto Sans Mono"}, kPointSize).family(), "Noto Sans Mono");
}

}  // namespace
}  // namespace tormark
