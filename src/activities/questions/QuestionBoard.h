#pragma once

#include "activities/TextSpot.h"
#include "runtime/Twips.h"

#include <span>
#include <string>

namespace lumenary {

// An image element the pictures are shown in. Its box is the designed one until a picture
// arrives; then it takes the picture's own size, its corner staying put.
struct PictureSlot {
    int index;
    TwipsRect box;
};

// One drawn question: the picture to show and where, the question text (empty where the
// screen's question never changes), the right choice (none where nothing is chosen) and the
// answer text that Answer or a wrong choice reveals.
struct Question {
    std::string picture;
    int slot;
    std::string caption;
    int correctChoice;
    std::string answer;
};

inline constexpr int noChoice = -1;

// Everything in which one question activity differs from another; the screen that plays it is
// QuestionScreen.
struct QuestionBoard {
    // Label3: Exit, Answer, New Question and, where the activity has two sections, the switch.
    std::span<const ButtonSpot> buttons;
    // Label4, one row of choices; none on a screen that only reveals its answer.
    std::span<const char* const> choices;
    Twips choiceTop;
    // Label5: the answer text, the question, and the praise for a right choice.
    std::span<const TextSpot> texts;
    std::span<const PictureSlot> pictureSlots;
    // What assistive technology calls the picture: never what it shows.
    const char* pictureName;
    // Every slot is hidden before each draw, so that only the drawn question's slot shows.
    bool slotsHiddenBeforeDraw;
    int questionCount;
    Question (*question)(int questionNumber);
    // The activity's other section, its screen's name and board, for the switch button and for
    // Exit; none where there is none.
    const char* otherSectionName;
    const QuestionBoard* otherSection;
};

// The boards of the question activities.
extern const QuestionBoard newtonMeter;      // newtonmeter
extern const QuestionBoard magnetPairs;      // magnets, section 1
extern const QuestionBoard magnetMaterials;  // magnets2, section 2

// The magnet quizzes' choices, by their place in the row.
namespace magnetChoice {
inline constexpr int attract = 0;
inline constexpr int repel = 1;
inline constexpr int attractive = 0;
inline constexpr int noForce = 2;
}  // namespace magnetChoice

}  // namespace lumenary
