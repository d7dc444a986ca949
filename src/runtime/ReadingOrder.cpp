#include "ReadingOrder.h"

#include <algorithm>

namespace lumenary {

std::vector<Control*> inReadingOrder(std::vector<Control*> controls) {
    std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) { return a->absoluteTop() < b->absoluteTop(); });
    for (auto row = controls.begin(); row != controls.end();) {
        const Twips rowTop = (*row)->absoluteTop();
        const auto rowEnd = std::find_if(row, controls.end(), [&](const Control* c) { return c->absoluteTop() - rowTop > rowTolerance; });
        std::stable_sort(row, rowEnd, [](const Control* a, const Control* b) { return a->absoluteLeft() < b->absoluteLeft(); });
        row = rowEnd;
    }
    return controls;
}

}  // namespace lumenary
