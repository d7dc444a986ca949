#include "QuestionScreen.h"

#include "framework/Module1.h"
#include "runtime/Runtime.h"

#include <cmath>

namespace lumenary {

namespace {

constexpr Color questionScreenColor{39, 63, 137};
constexpr Twips buttonHeight = 495;
constexpr Twips choiceLefts[] = {1560, 4560, 7560};
constexpr Twips choiceWidth = 2565;
const Font buttonFont{"Tahoma", 15.75f, true};

Label& styleButton(Label& label, const char* caption, Color backColor, Twips left, Twips top, Twips width) {
    label.Caption = caption;
    label.Font = buttonFont;
    label.ForeColor = colors::yellow;
    label.BackColor = backColor;
    label.BorderStyle = true;
    label.Alignment = Alignment::Center;
    label.Left = left, label.Top = top, label.Width = width, label.Height = buttonHeight;
    return label;
}

}  // namespace

QuestionScreen::QuestionScreen(std::string name, const QuestionBoard& board)
    : Form(std::move(name)),
      Image1(*this, "Image1"),
      Label3(*this, "Label3"),
      Label4(*this, "Label4"),
      Label5(*this, "Label5"),
      board_(board) {
    Caption = board.windowCaption;
    for (const PictureSlot& slot : board.pictureSlots) {
        Image& image = Image1.add(slot.index);
        image.Left = slot.left, image.Top = slot.top, image.Width = slot.width, image.Height = slot.height;
    }
    for (std::size_t i = 0; i < board.buttons.size(); ++i) {
        const ButtonSpot& spot = board.buttons[i];
        styleButton(Label3.add(static_cast<int>(i)), spot.caption, colors::black, spot.left, spot.top, spot.width);
    }
    for (std::size_t i = 0; i < board.choices.size(); ++i)
        styleButton(Label4.add(static_cast<int>(i)), board.choices[i], colors::blue, choiceLefts[i], board.choiceTop, choiceWidth);
    for (std::size_t i = 0; i < board.texts.size(); ++i) {
        const TextSpot& spot = board.texts[i];
        Label& text = Label5.add(static_cast<int>(i));
        text.Caption = spot.caption;
        text.Font = spot.font;
        text.ForeColor = colors::yellow;
        text.BackStyle = backStyle::transparent;
        text.Alignment = Alignment::Center;
        text.Left = spot.left, text.Top = spot.top, text.Width = spot.width, text.Height = spot.height;
        text.Visible = i == questionText;
    }

    Label3.events().Click = [this](int index) { Label3_Click(index); };
    Label3.events().MouseMove = [this](int index, int button, int shift, Twips x, Twips y) {
        Label3_MouseMove(index, button, shift, x, y);
    };
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
    if (board_.unloadOtherSection) board_.unloadOtherSection();
    Unload(*this);
}

void QuestionScreen::switchSection() {
    if (!board_.showOtherSection) return;
    board_.showOtherSection();
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
    return control.name() == "Image1" ? board_.pictureName : Form::accessibleName(control);
}

void QuestionScreen::Label3_MouseMove(int index, int, int, Twips, Twips) { Label3[index].BackStyle = backStyle::opaque; }

void QuestionScreen::Form_MouseMove(int, int, Twips, Twips) {
    for (std::size_t i = 0; i < board_.buttons.size(); ++i) Label3[static_cast<int>(i)].BackStyle = backStyle::transparent;
}

}  // namespace lumenary
