#pragma once

#include <cstdio>
#include <ostream>
#include <string>

namespace lumenary::bench {

// One line of the table scripts/bench.sh prints: what was measured, its median, the baseline it
// is set beside (a bare Qt window, or the least any repaint of that window costs) and the target.
// Written tab-separated, so that every benchmark program adds its lines to the same table.
struct SummaryRow {
    std::string what;
    std::string median;
    std::string baseline;
    std::string target;
};

inline std::ostream& operator<<(std::ostream& out, const SummaryRow& row) {
    return out << row.what << '\t' << row.median << '\t' << row.baseline << '\t' << row.target << '\n';
}

inline std::string figure(double value, const char* unit, int decimals = 2) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
    return text;
}

inline std::string ratio(double value) { return figure(value, "x"); }

}  // namespace lumenary::bench
