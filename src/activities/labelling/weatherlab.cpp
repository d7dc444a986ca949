#include "LabellingBoard.h"

namespace lumenary {

namespace {

// clang-format off
// Picture i and target i need not match: target i holds the name of the planet it lies by.
const PictureSpot pictures[] = {
//   file                       Left   Top   Width  Height
    {"Images\\jupitersm.jpg",   { 3600,  120,  2460, 2235}},
    {"Images\\mercurysm2.jpg",  {  420, 6720,   735,  720}},
    {"Images\\venussm.jpg",     {  600, 4920,  1110, 1065}},
    {"Images\\earthsm.jpg",     {  960, 3000,  1125, 1155}},
    {"Images\\saturn.jpg",      { 6120,  120,  4020, 2895}},
    {"Images\\marssm.jpg",      { 2670, 2040,   780,  750}},
    {"Images\\uranus.jpg",      { 9600, 1890,  1650, 1590}},
    {"Images\\neptune.jpg",     {10200, 4080,  1650, 1620}},
    {"Images\\pluto.jpg",       {10800, 6360,   630,  615}},
};

const TargetSpot targets[] = {
//    Left    Top   caption      by the picture of
    {  840, 4230, N_("Earth")},    // earthsm
    { 7560, 2880, N_("Saturn")},   // saturn
    {  120, 7560, N_("Mercury")},  // mercurysm2
    { 4170, 2400, N_("Jupiter")},  // jupitersm
    {  480, 6060, N_("Venus")},    // venussm
    { 2400, 2880, N_("Mars")},     // marssm
    { 9780, 3540, N_("Uranus")},   // uranus
    {10320, 5760, N_("Neptune")},  // neptune
    {10440, 7080, N_("Pluto")},    // pluto
};

const HomeSpot homes[] = {
    {2400, 7320}, {3120, 6720}, {6720, 7320}, {4560, 6720}, {7440, 6720},
    {8160, 7320}, {5280, 7320}, {6000, 6720}, {3840, 7320},
};

// As designed; at load every home box takes its name label's size.
const Twips homeWidths[] = {2085, 2085, 2085, 2085, 2085, 2085, 2085, 2085, 2085};
// clang-format on

}  // namespace

const LabellingBoard orderingThePlanets{
    .pictures = pictures,
    .pictureName = N_("Planet picture"),
    .targets = targets,
    .homes = homes,
    .labelWidth = 1320,
    .labelHeight = 375,
    .designedHomeWidths = homeWidths,
    .homeBoxTakesLabelWidth = true,
    .title = {{2760, 4080, 6105, 1305}, {"Times New Roman", 18, true},
              N_("Label these pictures of the planets. They are positioned from left to right in order of their "
                 "distance from the Sun.")},
    .titleIndex = 0,
    .scoreLine = {{3360, 5640, 5280, 705}, {"Times New Roman", 26.25f, false}, ""},
    .scoreLineInFrontOfLabels = false,
};

}  // namespace lumenary
