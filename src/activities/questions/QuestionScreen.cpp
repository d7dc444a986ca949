#include "QuestionScreen.h"

#include "framework/Hover.h"
#include "framework/Module1.h"
#include "runtime/Runtime.h"

#include <cmath>

namespace lumenary {

namespace {

constexpr Color questionScreenColor{39, 63, 137};
constexpr Twips choiceLefts[] = {1560, 4560, 7560};
constexpr Twips choiceWidth = 2565;

// Label buttons are black boxes and choices blue ones, both of yellow bold Tahoma; texts are
// yellow on the screen's own colour.
LabelStyle buttonStyle(Color backColor) {
    return {.Font = {"Tahoma", 15.75f, true}, .ForeColor = colors::yellow, .BackColor = backColor, .BorderStyle = true,
            .Alignment = Alignment::Center};
}

Label& placeLabel(Label& label, const char* caption, const LabelStyle& style, TwipsRect box) {
    label.setStyle(style).setBounds(box);
    label.Caption = caption;
    return label;
}

}  // namespace

QuestionScreen::QuestionScreen(std::string name, std::string caption, const QuestionBoard& board)
    : Form(std::move(name)),
      Image1(*this, "Image1"),
      Label3(*this, "Label3"),
      Label4(*this, "Label4"),
      Label5(*this, "Label5"),
      board_(board) {
    Caption = std::move(caption);
    for (const PictureSlot& slot : board.pictureSlots) {
        Image& image = Image1.add(slot.index);
        image.setBounds(slot.box);
    }
    for (std::size_t i = 0; i < board.buttons.size(); ++i) {
        const ButtonSpot& spot = board.buttons[i];
        placeLabel(Label3.add(static_cast<int>(i)), spot.caption, buttonStyle(colors::black),
                    {spot.left, spot.top, spot.width, Module1::buttonHeight});
    }
    for (std::size_t i = 0; i < board.choices.size(); ++i)
        placeLabel(Label4.add(static_cast<int>(i)), board.choices[i], buttonStyle(colors::blue),
                    {choiceLefts[i], board.choiceTop, choiceWidth, Module1::buttonHeight});
    for (std::size_t i = 0; i < board.texts.size(); ++i) {
        const TextSpot& spot = board.texts[i];
        Label& text = placeLabel(Label5.add(static_cast<int>(i)), spot.caption, {.Font = spot.font, .ForeColor = colors::yellow,
                                  .BackStyle = backStyle::transparent, .Alignment = Alignment::Center}, spot.box);
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
    return control.name() == "Image1" ? board_.pictureName : Form::accessibleName(control);
}

void QuestionScreen::Label3_MouseMove(int index, int, int, Twips, Twips) { showHover(Label3[index], true); }

void QuestionScreen::Form_MouseMove(int, int, Twips, Twips) {
    for (std::size_t i = 0; i < board_.buttons.size(); ++i) showHover(Label3[static_cast<int>(i)], false);
}

}  // namespace lumenary
