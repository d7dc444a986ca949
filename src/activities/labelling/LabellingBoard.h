#pragma once

#include "activities/TextSpot.h"
#include "runtime/Twips.h"

#include <span>

namespace lumenary {

// A picture and the box it fills.
struct PictureSpot {
    const char* file;
    TwipsRect box;
};

// Drop target i, with the caption it holds in the design: the name that belongs on it, which
// name label i takes at load. So name label i is right on target i and nowhere else.
struct TargetSpot {
    Twips left, top;
    const char* caption;
};

// Where name label i rests before any drag; its home box is moved there at load.
struct HomeSpot {
    Twips left, top;
};

// Everything in which one labelling activity differs from another; the screen that plays it
// is LabellingScreen.
struct LabellingBoard {
    std::span<const PictureSpot> pictures;
    // What assistive technology calls the pictures, numbered from 1: never what they show.
    const char* pictureName;
    std::span<const TargetSpot> targets;
    std::span<const HomeSpot> homes;
    Twips labelWidth, labelHeight;
    // Home box widths as designed; used only where a home box keeps its own width.
    std::span<const Twips> designedHomeWidths;
    bool homeBoxTakesLabelWidth;
    TextSpot title;
    int titleIndex;  // the title label's index in its control array, or -1 for a plain label
    TextSpot scoreLine;
    bool scoreLineInFrontOfLabels;
};

// The boards of the labelling activities.
extern const LabellingBoard phasesOfTheMoon;     // phaseslab
extern const LabellingBoard orderingThePlanets;  // weatherlab

}  // namespace lumenary
