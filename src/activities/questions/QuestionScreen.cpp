#include "QuestionScreen.h"

#include "framework/Module1.h"
#include "runtime/Runtime.h"

#include <cmath>

namespace lumenary {

namespace {

constexpr Color questionScreenColor{39, 63, 137};
constexpr Twips choiceLefts[] = {1560, 4560, 7560};
constexpr Twips choiceWidth = 2565;

}  // namespace

QuestionScreen::QuestionScreen(std::string name, std::string caption, const QuestionBoard& board)
    : ActivityScreen(std::move(name), std::move(caption)),
      Image1(*this, "Image1"),
      Label4(*this, "Label4"),
      Label5(*this, "Label5"),
      board_(board) {
    for (const PictureSlot& slot : board.pictureSlots) Image1.add(slot.index).setBounds(slot.box);
    addLabelButtons(board.buttons);
    // Choices are the label buttons' look in blue boxes.
    for (std::size_t i = 0; i < board.choices.size(); ++i) {
        Label& choice = Label4.add(static_cast<int>(i)).setStyle(buttonStyle(colors::blue));
        choice.setBounds({choiceLefts[i], board.choiceTop, choiceWidth, Module1::buttonHeight});
        choice.Caption = tr(board.choices[i]);
    }
    for (std::size_t i = 0; i < board.texts.size(); ++i)
        placeText(Label5.add(static_cast<int>(i)), board.texts[i]).Visible = i == questionText;

    Label3.events().Click = [this](int index) { Label3_Click(index); };
    Label4.events().Click = [this](int index) { Label4_Click(index); };
}

void QuestionScreen::Form_Load() {
    Module1::setupform(*this);
    BackColor = questionScreenColor;
    calculate();
}

// Draws a question. A picture that cannot be read stops here, before the question, the right
// choice and the answer change, so the screen never pairs one question's picture with another's answer.
void QuestionScreen::calculate() {
    if (board_.slotsHiddenBeforeDraw)
        for (const PictureSlot& slot : board_.pictureSlots) Image1[slot.index].Visible = false;
    Randomize();
    const double r = Rnd();
    questionNumber_ = static_cast<std::int16_t>(std::floor(r * board_.questionCount));
    const Question question = board_.question(questionNumber_);
    Image& image = Image1[question.slot];
    image.setPicture(LoadPicture(question.picture));
    image.Visible = true;
    if (!question.caption.empty()) Label5[questionText].Caption = question.caption;
    correctChoice_ = static_cast<std::int16_t>(question.correctChoice);
    Label5[answerText].Caption = question.answer;
}

void QuestionScreen::Label3_Click(int index) {
    switch (index) {
        case exitButton: leave(); break;
        case answerButton: Label5[answerText].Visible = true; break;
        case newQuestionButton: newQuestion(); break;
        case sectionButton: switchSection(); break;
        default: break;
    }
}

void QuestionScreen::newQuestion() {
    Label5[answerText].Visible = false;
    if (Label5.exists(praiseText)) Label5[praiseText].Visible = false;
    calculate();
}

// Both sections close together, so the topic menu beneath comes to the front.
void QuestionScreen::leave() {
    if (board_.otherSection)
        if (Form* other = Runtime::current().loaded(board_.otherSectionName)) Unload(*other);
    Unload(*this);
}

// The other section is the same activity: it keeps this one's caption.
void QuestionScreen::switchSection() {
    if (!board_.otherSection) return;
    const QuestionBoard& other = *board_.otherSection;
    Runtime::current()
        .form(board_.otherSectionName,
              [&] { return std::make_unique<QuestionScreen>(board_.otherSectionName, Caption, other); })
        .Show();
    Unload(*this);
}

// Choices stay active after an answer: every click is judged afresh.
void QuestionScreen::Label4_Click(int index) {
    if (index == correctChoice_) {
        Label5[praiseText].Visible = true;
    } else {
        Label5[praiseText].Visible = false;
        Label5[answerText].Visible = true;
    }
}

std::string QuestionScreen::accessibleName(const Control& control) const {
    return control.name() == "Image1" ? tr(board_.pictureName) : Form::accessibleName(control);
}

}  // namespace lumenary
