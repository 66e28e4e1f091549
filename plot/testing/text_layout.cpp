#include "plot/testing/text_layout.h"

#include <cstddef>
#include <sstream>

namespace plot::testing {

namespace {

std::string Describe(const Canvas::TextBox& box) {
    std::ostringstream out;
    out << '"' << box.text << "\" at (" << box.left_px << ", " << box.top_px << ") size "
        << box.width_px << " x " << box.height_px;
    return out.str();
}

bool Overlap(const Canvas::TextBox& a, const Canvas::TextBox& b) {
    return a.left_px < b.left_px + b.width_px && b.left_px < a.left_px + a.width_px &&
           a.top_px < b.top_px + b.height_px && b.top_px < a.top_px + a.height_px;
}

}  // namespace

std::vector<std::string> TextLayoutFaults(const Canvas& canvas) {
    std::vector<std::string> faults;
    const std::vector<Canvas::TextBox>& boxes = canvas.TextBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Canvas::TextBox& box = boxes[i];
        if (box.left_px < 0 || box.top_px < 0 || box.left_px + box.width_px > canvas.WidthPx() ||
            box.top_px + box.height_px > canvas.HeightPx()) {
            faults.push_back("off the " + std::to_string(canvas.WidthPx()) + " x " +
                             std::to_string(canvas.HeightPx()) + " picture: " + Describe(box));
        }
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (Overlap(box, boxes[j]))
                faults.push_back("overlap: " + Describe(box) + " and " + Describe(boxes[j]));
        }
    }
    return faults;
}

}  // namespace plot::testing
