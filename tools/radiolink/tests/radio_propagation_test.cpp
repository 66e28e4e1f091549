// The free-space and knife-edge formulas against worked values.
#include "radiolink/radio_propagation.h"

#include <gtest/gtest.h>

namespace radiolink {
namespace {

// 2 m at 144 MHz: lambda = 299792458 / 144e6 = 2.0818921 m.
constexpr double kLambda144_m = 299792458.0 / 144.0e6;

TEST(RadioPropagation, FormulasAgainstWorkedValues) {
    EXPECT_NEAR(Wavelength_m(1296.0), 0.2313213, 1e-7);
    // At mid-path of 10 km r1 = sqrt(lambda D) / 2 = sqrt(20818.92) / 2 = 72.144 m; 0 at an end.
    EXPECT_NEAR(FresnelRadius_m(kLambda144_m, 5000.0, 5000.0), 72.144, 1e-3);
    EXPECT_EQ(FresnelRadius_m(kLambda144_m, 0.0, 10000.0), 0.0);
    // Doubling the frequency adds 20 log10(2) = 6.021 dB of free-space loss.
    EXPECT_NEAR(
        FreeSpaceLoss_dB(kLambda144_m / 2.0, 10000.0) - FreeSpaceLoss_dB(kLambda144_m, 10000.0),
        6.021, 1e-3);
    // An edge below the line mirrors v: -20 sqrt(2 / 2.0818921 x (1/4000 + 1/6000)) = -0.40014.
    EXPECT_NEAR(KnifeEdgeParameter(-20.0, kLambda144_m, 4000.0, 6000.0), -0.40014, 1e-5);
}

TEST(RadioPropagation, KnifeEdgeLossOfP526) {
    // J(0) = 6.9 + 20 log10(sqrt(1.01) - 0.1) = 6.9 + 20 log10(0.904988) = 6.033 dB
    EXPECT_NEAR(KnifeEdgeLoss_dB(0.0), 6.033, 1e-3);
    // J(1) = 6.9 + 20 log10(sqrt(1.81) + 0.9) = 6.9 + 20 log10(2.245362) = 13.926 dB
    EXPECT_NEAR(KnifeEdgeLoss_dB(1.0), 13.926, 1e-3);
    // Just above -0.78: 6.9 + 20 log10(sqrt(0.8798^2 + 1) - 0.8799) = 0.005 dB; from -0.78 down
    // the approximation gives no loss.
    EXPECT_NEAR(KnifeEdgeLoss_dB(-0.7799), 0.005, 1e-3);
    EXPECT_EQ(KnifeEdgeLoss_dB(-0.78), 0.0);
    EXPECT_EQ(KnifeEdgeLoss_dB(-5.0), 0.0);
}

}  // namespace
}  // namespace radiolink
