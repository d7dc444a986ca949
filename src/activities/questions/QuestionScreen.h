#pragma once

#include "QuestionBoard.h"
#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"

#include <cstdint>

namespace lumenary {

// A question activity: a picture drawn at random from the board's questions, a question, and
// label buttons to reveal the answer, draw a new question or leave. Where the board has choices,
// a right one shows the praise and a wrong one reveals the answer. The buttons highlight under
// the pointer and clear over the bare background.
class QuestionScreen : public Form {
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
    ControlArray<Label> Label3;  // label buttons
    ControlArray<Label> Label4;  // choices
    ControlArray<Label> Label5;  // answer, question, praise

    int questionNumber() const { return questionNumber_; }
    int correctChoice() const { return correctChoice_; }

    void Form_Load() override;
    void calculate();
    void Label3_Click(int index);
    void Label4_Click(int index);
    void Label3_MouseMove(int index, int button, int shift, Twips x, Twips y);
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;
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
