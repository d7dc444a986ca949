#pragma once

#include "QuestionBoard.h"
#include "activities/ActivityScreen.h"
#include "runtime/controls/Image.h"

#include <cstdint>

namespace lumenary {

// A question activity: a picture drawn at random from the board's questions, a question, and
// label buttons to reveal the answer, draw a new question or leave. Where the board has choices,
// a right one shows the praise and a wrong one reveals the answer.
class QuestionScreen : public ActivityScreen {
public:
    QuestionScreen(std::string name, std::string caption, const QuestionBoard& board);

    static constexpr int exitButton = 0;
    static constexpr int answerButton = 1;
    static constexpr int newQuestionButton = 2;
    static constexpr int sectionButton = 3;
    static constexpr int answerText = 0;
    static constexpr int questionText = 1;
    static constexpr int praiseText = 2;

    ControlArray<Image> Image1;
    // Label3, the label buttons: Exit, Answer, New Question and, with two sections, the switch.
    ControlArray<Label> Label4;  // choices
    ControlArray<Label> Label5;  // answer, question, praise

    int questionNumber() const { return questionNumber_; }
    int correctChoice() const { return correctChoice_; }

    void Form_Load() override;
    void calculate();
    void Label3_Click(int index);
    void Label4_Click(int index);
    std::string accessibleName(const Control& control) const override;

private:
    void newQuestion();
    void leave();
    void switchSection();

    const QuestionBoard& board_;
    std::int16_t questionNumber_ = 0;
    std::int16_t correctChoice_ = noChoice;
};

}  // namespace lumenary
