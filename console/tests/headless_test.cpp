// The headless flags taken off a drawing tool's command line.
#include "console/headless.h"

#include <gtest/gtest.h>

#include "console/console.h"

namespace console {
namespace {

TEST(HeadlessArgs, FlagsComeOutAndTheTailStays) {
    const char* argv[] = {"terrainplot", "--png",       "out.png",  "Black", "--click",
                          "10,20.5",     "Combe/Hills", "--dclick", "-3, 4"};
    auto args = TakeHeadlessArgs(9, argv);
    EXPECT_EQ(args.error, "");
    EXPECT_EQ(args.options.pngFile, "out.png");
    ASSERT_EQ(args.options.clicks.size(), 2u);
    EXPECT_EQ(args.options.clicks[0].kind, ClickKind::kSingle);
    EXPECT_DOUBLE_EQ(args.options.clicks[0].y, 20.5);
    EXPECT_EQ(args.options.clicks[1].kind, ClickKind::kDouble);
    EXPECT_DOUBLE_EQ(args.options.clicks[1].x, -3);
    EXPECT_EQ(CommandTail(args.remaining), "Black Combe/Hills");

    EXPECT_NE(TakeHeadlessArgs({"--png"}).error, "");
    EXPECT_NE(TakeHeadlessArgs({"--png", "a.png", "--click", "10"}).error, "");
    EXPECT_NE(TakeHeadlessArgs({"--png", "a.png", "--click", "x,1"}).error, "");
    EXPECT_NE(TakeHeadlessArgs({"--click", "1,2"}).error, "");  // clicks need --png
    EXPECT_FALSE(TakeHeadlessArgs({"Keswick"}).options.Active());
}

}  // namespace
}  // namespace console
