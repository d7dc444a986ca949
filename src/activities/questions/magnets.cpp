#include "QuestionBoard.h"

namespace lumenary {

using namespace magnetChoice;

namespace {

// Section 1: magnet pairs.

// clang-format off
const ButtonSpot pairButtons[] = {
//   caption           Left   Top   Width
    {N_("Exit"),          10560, 7920, 1245},
    {N_("Answer"),          840, 6120, 2565},
    {N_("New Question"),   4560, 7920, 2565},
    {N_("Section 2"),      7560, 7920, 2565},
};

const char* const pairChoices[] = {N_("Attract"), N_("Repel"), N_("No Force")};

const TextSpot pairTexts[] = {
//   Left   Top   Width  Height  font
    {{ 120, 6720,  4035, 1425}, {"Times New Roman", 27.75f, false}, ""},
    {{ 720,  120, 10185, 1665}, {"Times New Roman", 26.25f, false},
      N_("Will the magnets attract each other, repel each other or will there be no force between them?")},
    {{4680, 5880,  6105,  825}, {"Times New Roman", 36, false}, N_("Correct!  Well Done")},
};

const PictureSlot pairSlots[] = {
//   index  Left   Top   Width  Height
    {0,    {   0, 2400, 12000, 1125}},  // wide pictures
    {1,    {3360, 1800,  4950, 2550}},  // compact pictures
};

const struct { const char* picture; int slot; int correctChoice; } pairQuestions[] = {
    {"Images\\magnets1.bmp", 0, attract},
    {"Images\\magnets2.bmp", 0, attract},
    {"Images\\magnets3.bmp", 0, repel},
    {"Images\\magnets4.bmp", 0, repel},
    {"Images\\magnets5.bmp", 1, repel},
    {"Images\\magnets6.bmp", 1, repel},
    {"Images\\magnets7.bmp", 1, attract},
    {"Images\\magnets8.bmp", 1, attract},
};
// clang-format on

Question pairQuestion(int questionNumber) {
    const auto& row = pairQuestions[questionNumber];
    return {row.picture, row.slot, "", row.correctChoice,
            tr(row.correctChoice == attract ? N_("The magnets will attract each other.") : N_("The magnets will repel each other."))};
}

}  // namespace

const QuestionBoard magnetPairs{
    .buttons = pairButtons,
    .choices = pairChoices,
    .choiceTop = 4800,
    .texts = pairTexts,
    .pictureSlots = pairSlots,
    .pictureName = N_("Magnets"),
    .slotsHiddenBeforeDraw = true,
    .questionCount = 8,
    .question = pairQuestion,
    .otherSectionName = "magnets2",
    .otherSection = &magnetMaterials,
};

namespace {

// Section 2: a magnet and a material; what is not set here is as in section 1.

// clang-format off
const ButtonSpot materialButtons[] = {
    pairButtons[0],
    {N_("Answer"),          960, 5880, 2565},
    pairButtons[2],
    {N_("Section 1"),      7560, 7920, 2565},
};

const char* const materialChoices[] = {N_("Attractive"), N_("Repulsive"), N_("No Force")};

const TextSpot materialTexts[] = {
    {{ 120, 6480,  4275, 1785}, pairTexts[0].font, ""},
    {{ 720,    0, 10185, 1305}, pairTexts[1].font, N_("What force will there be between a magnet and a sheet of copper?")},
    {{4680, 6000,  6105,  825}, pairTexts[2].font, pairTexts[2].caption},
};

// One picture slot, shown all the time.
const PictureSlot materialSlot[] = {{1, {1080, 1440, 9600, 3570}}};

const struct { const char* picture; const char* question; int correctChoice; } materialQuestions[] = {
    {"Images\\magmetal1.bmp", N_("What force will there be between a magnet and a sheet of copper?"),    noForce},
    {"Images\\magmetal2.bmp", N_("What force will there be between a magnet and a sheet of iron?"),      attractive},
    {"Images\\magmetal3.bmp", N_("What force will there be between a magnet and a sheet of steel?"),     attractive},
    {"Images\\magmetal3.bmp", N_("What force will there be between a magnet and a sheet of nickel?"),    attractive},
    {"Images\\magmetal3.bmp", N_("What force will there be between a magnet and a sheet of cobalt?"),    attractive},
    {"Images\\magmetal3.bmp", N_("What force will there be between a magnet and a sheet of aluminium?"), noForce},
    {"Images\\magmetal4.bmp", N_("What force will there be between a magnet and a piece of plastic?"),   noForce},
    {"Images\\magmetal5.bmp", N_("What force will there be between a magnet and a glass mirror?"),       noForce},
};
// clang-format on

Question materialQuestion(int questionNumber) {
    const auto& row = materialQuestions[questionNumber];
    return {row.picture, materialSlot[0].index, tr(row.question), row.correctChoice,
            tr(row.correctChoice == attractive ? N_("There will be an attractive force.") : N_("There will be no force between them."))};
}

}  // namespace

const QuestionBoard magnetMaterials = [] {
    QuestionBoard board = magnetPairs;
    board.buttons = materialButtons;
    board.choices = materialChoices;
    board.choiceTop = 5040;
    board.texts = materialTexts;
    board.pictureSlots = materialSlot;
    board.pictureName = N_("Magnet and material");
    board.slotsHiddenBeforeDraw = false;
    board.question = materialQuestion;
    board.otherSectionName = "magnets";
    board.otherSection = &magnetPairs;
    return board;
}();

}  // namespace lumenary
