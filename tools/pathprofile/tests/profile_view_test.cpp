// The profile window's click loop, driven by injected clicks and keys (no headless script).
#include "pathprofile/profile_view.h"

#include <gtest/gtest.h>

#include <sstream>

#include "console/console.h"
#include "console/headless.h"

namespace pathprofile {
namespace {

class ProfileViewClicks : public ::testing::Test {
  protected:
    ProfileView MakeView() {
        const double path_km = 10.0;
        const EarthBulge bulge(1.3, path_km);
        Profile profile =
            SampleProfile({54.2, -3.5}, 0.0, path_km, bulge, [](LatLon) { return 100; });
        return ProfileView("test", std::move(profile), bulge,
                           PathSetup{{54.2, -3.5}, 0.0, 2.0, 2.0, "", std::nullopt, {}});
    }

    std::istringstream in_;
    std::ostringstream out_;
    console::Console console_{in_, out_, false};
};

TEST_F(ProfileViewClicks, ExitClickClosesTheWindow) {
    ProfileView view = MakeView();
    view.Draw();
    const double band = (view.Layout().ExitBoxCorner1().y + view.Layout().ExitBoxCorner2().y) / 2;
    view.Window().InjectClick(plot::ClickKind::kSingle, 10.9, band);  // right of the box
    EXPECT_EQ(view.ServeClicks(console_), ProfileEnd::kExit);
    EXPECT_TRUE(view.Window().IsClosed());
}

// A key counts only after a click: the key typed first waits, the click then reads out and the
// profile returns with its window still open.
TEST_F(ProfileViewClicks, KeyAfterAClickLeavesTheWindowOpen) {
    ProfileView view = MakeView();
    view.Draw();
    view.Window().InjectKey('a');
    view.Window().InjectClick(plot::ClickKind::kSingle, 5.0, 101.0);
    EXPECT_EQ(view.ServeClicks(console_), ProfileEnd::kKey);
    EXPECT_FALSE(view.Window().IsClosed());
}

TEST_F(ProfileViewClicks, ClickBelowTheExitBandIsAReadOutNotAnExit) {
    ProfileView view = MakeView();
    view.Draw();
    const Point below = view.Layout().ExitLabel();  // under the box, on its label
    view.Window().InjectClick(plot::ClickKind::kDouble, 10.55, below.y);
    view.Window().InjectKey('a');
    EXPECT_EQ(view.ServeClicks(console_), ProfileEnd::kKey);
    EXPECT_FALSE(view.Window().IsClosed());
}

}  // namespace
}  // namespace pathprofile
