// Checks of where a picture's labels landed: each on the picture, none over another.
#pragma once

#include <string>
#include <vector>

#include "plot/canvas.h"

namespace plot::testing {

// One line for each label of `canvas` that runs off the picture and for each pair of labels that
// overlap, naming the labels and their boxes; empty when the layout is clean.
std::vector<std::string> TextLayoutFaults(const Canvas& canvas);

}  // namespace plot::testing
