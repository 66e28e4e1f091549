// The oblique projection of terrain3d: each east-west row of samples becomes a profile line
// shifted up and to the right with its distance north and lifted by the ground height.
#pragma once

namespace terrain3d {

// A point in the plot window's user coordinates (x to the right, y upwards).
struct ViewPoint {
    double x = 0;
    double y = 0;
};

class ObliqueView {
  public:
    // nLat rows and nLon columns of samples (both ≥ 1) round a centre at latitude lat0_deg;
    // maxPlot_m (≥ 1) is the height that reaches the top of the colour scale and of the lift.
    ObliqueView(int nLat, int nLon, double lat0_deg, int maxPlot_m);

    // Where sample column x (0 … nLon, west to east) of row y (0 … nLat, south to north) with
    // ground height h_m is drawn; h_m is first held to 0 … maxPlot, and x to at most nLon.
    ViewPoint SamplePoint(int x, int y, int h_m) const;

    // Where the centre of the plot, with ground height h_m (not held to the scale), is drawn.
    ViewPoint CentrePoint(int h_m) const;

    // Palette entry of height h_m on a linear scale: 255 × h / maxPlot, h held to 0 … maxPlot.
    int ColourEntry(int h_m) const;

    // The height that belongs to palette entry i on that scale (the legend's labels).
    double EntryHeight(int entry) const;

    double ShiftRight() const { return sx_; }  // user units right per row north
    double ShiftUp() const { return sy_; }     // user units up per row north (before 1/cos φ0)
    double LiftPerMetre() const { return liftPerMetre_; }
    double CosLat0() const { return cosLat0_; }

  private:
    int nLat_;
    int nLon_;
    int maxPlot_;
    double cosLat0_;
    double sx_;
    double sy_;
    double liftPerMetre_;
};

}  // namespace terrain3d
