#include "LabellingBoard.h"

namespace lumenary {

namespace {

// clang-format off
const PictureSpot pictures[] = {
//   file                   Left   Top   Width  Height
    {"Images\\phases0.jpg", { 660, 1200,  2310, 1755}},
    {"Images\\phases1.jpg", {3300, 1200,  2310, 1755}},
    {"Images\\phases2.jpg", {5940, 1200,  2310, 1755}},
    {"Images\\phases3.jpg", {8580, 1200,  2310, 1755}},
    {"Images\\phases4.jpg", { 660, 3840,  2310, 1755}},
    {"Images\\phases5.jpg", {3300, 3840,  2310, 1755}},
    {"Images\\phases6.jpg", {5940, 3840,  2310, 1755}},
    {"Images\\phases7.jpg", {8580, 3840,  2310, 1755}},
};

// Target i lies under the picture whose phase is its caption.
const TargetSpot targets[] = {
//    Left   Top   caption               under
    {3480, 3120, N_("Waxing Crescent")},  // phases1
    {8760, 3120, N_("Waxing Gibbous")},   // phases3
    {3480, 5760, N_("Waning Gibbous")},   // phases5
    {6120, 3120, N_("First Quarter")},    // phases2
    {8760, 5760, N_("Waning Crescent")},  // phases7
    {6120, 5760, N_("Last Quarter")},     // phases6
    { 840, 5760, N_("Full Moon")},        // phases4
    { 840, 3120, N_("New Moon")},         // phases0
};

const HomeSpot homes[] = {
    {6120, 7320}, {8400, 6720}, {3840, 7320}, {3840, 6720},
    {6120, 6720}, {1560, 6720}, {8400, 7320}, {1560, 7320},
};

// Home box 5 is narrower than the rest, and keeps its width.
const Twips homeWidths[] = {2085, 2085, 2085, 2085, 2085, 1845, 2085, 2085};
// clang-format on

}  // namespace

const LabellingBoard phasesOfTheMoon{
    .pictures = pictures,
    .pictureName = N_("Moon picture"),
    .targets = targets,
    .homes = homes,
    .labelWidth = 2085,
    .labelHeight = 375,
    .designedHomeWidths = homeWidths,
    .homeBoxTakesLabelWidth = false,
    .title = {{120, 240, 5985, 705}, {"Times New Roman", 24, false}, N_("Label the phases of the Moon")},
    .titleIndex = -1,
    .scoreLine = {{6480, 240, 5280, 585}, {"Times New Roman", 24, false}, ""},
    .scoreLineInFrontOfLabels = true,
};

}  // namespace lumenary
