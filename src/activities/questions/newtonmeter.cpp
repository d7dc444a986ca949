#include "QuestionBoard.h"

namespace lumenary {

namespace {

// clang-format off
const ButtonSpot buttons[] = {
//   caption           Left   Top   Width
    {N_("Exit"),          10560, 7920, 1245},
    {N_("Answer"),         6480, 3720, 2565},
    {N_("New Question"),   6360, 7920, 2565},
};

const TextSpot texts[] = {
//   Left   Top   Width  Height  font
    {{5040, 4680, 5385, 1425}, {"Times New Roman", 48, false}, ""},
    {{4800,  600, 5745, 2745}, {"Times New Roman", 36, false}, N_("What is the weight of the ball bearing?")},
};

const PictureSlot meter[] = {{0, {1200, 120, 2115, 7200}}};
// clang-format on

// The meter for each whole-newton weight has its own picture, numbered with two digits.
Question meterReading(int questionNumber) {
    const int weight = questionNumber + 1;
    const std::string digits = std::to_string(weight);
    return {
        .picture = "newton\\newton" + std::string(weight < 10 ? "0" : "") + digits + ".bmp",
        .slot = 0,
        .caption = "",
        .correctChoice = noChoice,
        .answer = trn("%d Newton", "%d Newtons", static_cast<unsigned long>(weight), {digits}),
    };
}

}  // namespace

const QuestionBoard newtonMeter{
    .buttons = buttons,
    .choices = {},
    .choiceTop = 0,
    .texts = texts,
    .pictureSlots = meter,
    .pictureName = N_("Newton meter"),
    .slotsHiddenBeforeDraw = false,
    .questionCount = 10,
    .question = meterReading,
    .otherSectionName = nullptr,
    .otherSection = nullptr,
};

}  // namespace lumenary
