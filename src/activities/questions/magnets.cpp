#include "magnets.h"

#include "runtime/Runtime.h"

namespace lumenary {

namespace {

template <class Section>
void unloadIfLoaded() {
    if (Runtime::current().isLoaded<Section>()) Unload(form<Section>());
}

// Section 1: magnet pairs.

// clang-format off
const ButtonSpot pairButtons[] = {
//   caption           Left   Top   Width
    {"Exit",          10560, 7920, 1245},
    {"Answer",          840, 6120, 2565},
    {"New Question",   4560, 7920, 2565},
    {"Section 2",      7560, 7920, 2565},
};

const char* const pairChoices[] = {"Attract", "Repel", "No Force"};

const TextSpot pairTexts[] = {
//   Left   Top   Width  Height  font
    {{ 120, 6720,  4035, 1425}, {"Times New Roman", 27.75f, false}, ""},
    {{ 720,  120, 10185, 1665}, {"Times New Roman", 26.25f, false},
      "Will the magnets attract each other, repel each other or will there be no force between them?"},
    {{4680, 5880,  6105,  825}, {"Times New Roman", 36, false}, "Correct!  Well Done"},
};

const PictureSlot pairSlots[] = {
//   index  Left   Top   Width  Height
    {0,    {   0, 2400, 12000, 1125}},  // wide pictures
    {1,    {3360, 1800,  4950, 2550}},  // compact pictures
};

const struct { const char* picture; int slot; int correctChoice; } pairQuestions[] = {
    {"Images\\magnets1.bmp", 0, magnets::attract},
    {"Images\\magnets2.bmp", 0, magnets::attract},
    {"Images\\magnets3.bmp", 0, magnets::repel},
    {"Images\\magnets4.bmp", 0, magnets::repel},
    {"Images\\magnets5.bmp", 1, magnets::repel},
    {"Images\\magnets6.bmp", 1, magnets::repel},
    {"Images\\magnets7.bmp", 1, magnets::attract},
    {"Images\\magnets8.bmp", 1, magnets::attract},
};
// clang-format on

Question pairQuestion(int questionNumber) {
    const auto& row = pairQuestions[questionNumber];
    return {row.picture, row.slot, "", row.correctChoice,
            row.correctChoice == magnets::attract ? "The magnets will attract each other." : "The magnets will repel each other."};
}

const QuestionBoard pairBoard{
    .windowCaption = "Repel or Attract?",
    .buttons = pairButtons,
    .choices = pairChoices,
    .choiceTop = 4800,
    .texts = pairTexts,
    .pictureSlots = pairSlots,
    .pictureName = "Magnets",
    .slotsHiddenBeforeDraw = true,
    .questionCount = 8,
    .question = pairQuestion,
    .showOtherSection = [] { form<magnets2>().Show(); },
    .unloadOtherSection = unloadIfLoaded<magnets2>,
};

// Section 2: a magnet and a material; what is not set here is as in section 1.

// clang-format off
const ButtonSpot materialButtons[] = {
    pairButtons[0],
    {"Answer",          960, 5880, 2565},
    pairButtons[2],
    {"Section 1",      7560, 7920, 2565},
};

const char* const materialChoices[] = {"Attractive", "Repulsive", "No Force"};

const TextSpot materialTexts[] = {
    {{ 120, 6480,  4275, 1785}, pairTexts[0].font, ""},
    {{ 720,    0, 10185, 1305}, pairTexts[1].font, "What force will there be between a magnet and a sheet of copper?"},
    {{4680, 6000,  6105,  825}, pairTexts[2].font, pairTexts[2].caption},
};

// One picture slot, shown all the time.
const PictureSlot materialSlot[] = {{1, {1080, 1440, 9600, 3570}}};

const struct { const char* picture; const char* question; int correctChoice; } materialQuestions[] = {
    {"Images\\magmetal1.bmp", "What force will there be between a magnet and a sheet of copper?",    magnets2::noForce},
    {"Images\\magmetal2.bmp", "What force will there be between a magnet and a sheet of iron?",      magnets2::attractive},
    {"Images\\magmetal3.bmp", "What force will there be between a magnet and a sheet of steel?",     magnets2::attractive},
    {"Images\\magmetal3.bmp", "What force will there be between a magnet and a sheet of nickel?",    magnets2::attractive},
    {"Images\\magmetal3.bmp", "What force will there be between a magnet and a sheet of cobalt?",    magnets2::attractive},
    {"Images\\magmetal3.bmp", "What force will there be between a magnet and a sheet of aluminium?", magnets2::noForce},
    {"Images\\magmetal4.bmp", "What force will there be between a magnet and a piece of plastic?",   magnets2::noForce},
    {"Images\\magmetal5.bmp", "What force will there be between a magnet and a glass mirror?",       magnets2::noForce},
};
// clang-format on

Question materialQuestion(int questionNumber) {
    const auto& row = materialQuestions[questionNumber];
    return {row.picture, materialSlot[0].index, row.question, row.correctChoice,
            row.correctChoice == magnets2::attractive ? "There will be an attractive force." : "There will be no force between them."};
}

QuestionBoard materialBoard() {
    QuestionBoard board = pairBoard;
    board.buttons = materialButtons;
    board.choices = materialChoices;
    board.choiceTop = 5040;
    board.texts = materialTexts;
    board.pictureSlots = materialSlot;
    board.pictureName = "Magnet and material";
    board.slotsHiddenBeforeDraw = false;
    board.question = materialQuestion;
    board.showOtherSection = [] { form<magnets>().Show(); };
    board.unloadOtherSection = unloadIfLoaded<magnets>;
    return board;
}

const QuestionBoard materialsBoard = materialBoard();

}  // namespace

magnets::magnets() : QuestionScreen("magnets", pairBoard) {}
magnets2::magnets2() : QuestionScreen("magnets2", materialsBoard) {}

}  // namespace lumenary
