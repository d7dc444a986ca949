#include "Activities.h"

#include "activities/labelling/LabellingScreen.h"
#include "activities/questions/QuestionScreen.h"
#include "runtime/Runtime.h"
#include "runtime/language/Translation.h"

#include <algorithm>
#include <memory>

namespace lumenary {

namespace {

// clang-format off
const Activity catalogue[] = {
//   name           menu entry  caption                 board
    {"newtonmeter",  1,   4,    N_("Newton Meter"),         &newtonMeter},
    {"phaseslab",    2,   2,    N_("Phases of the Moon"),   &phasesOfTheMoon},
    {"weatherlab",   2,   3,    N_("Ordering the Planets"), &orderingThePlanets},
    {"magnets",      3,   1,    N_("Repel or Attract?"),    &magnetPairs},
};
// clang-format on

struct ScreenMaker {
    const Activity& activity;
    std::unique_ptr<Form> operator()(const LabellingBoard* board) const {
        return std::make_unique<LabellingScreen>(activity.name, activity.caption, *board);
    }
    std::unique_ptr<Form> operator()(const QuestionBoard* board) const {
        return std::make_unique<QuestionScreen>(activity.name, activity.caption, *board);
    }
};

void addPictures(const LabellingBoard* board, std::vector<std::string>& files) {
    for (const PictureSpot& spot : board->pictures) files.emplace_back(spot.file);
}

void addPictures(const QuestionBoard* board, std::vector<std::string>& files) {
    for (const QuestionBoard* section : {board, board->otherSection})
        if (section)
            for (int i = 0; i < section->questionCount; ++i) files.push_back(section->question(i).picture);
}

}  // namespace

std::span<const Activity> activities() { return catalogue; }

const Activity* findActivity(std::string_view name) {
    for (const Activity& activity : catalogue)
        if (name == activity.name) return &activity;
    return nullptr;
}

Form& screenOf(const Activity& activity) {
    return Runtime::current().form(activity.name, [&] { return std::visit(ScreenMaker{activity}, activity.board); });
}

Form* activityScreen(std::string_view name) {
    if (const Activity* activity = findActivity(name)) return &screenOf(*activity);
    for (const Activity& activity : catalogue) {
        const auto* const* questions = std::get_if<const QuestionBoard*>(&activity.board);
        if (!questions || !(*questions)->otherSection || name != (*questions)->otherSectionName) continue;
        const QuestionBoard& section = *(*questions)->otherSection;
        return &Runtime::current().form(name, [&] { return std::make_unique<QuestionScreen>(std::string(name), activity.caption, section); });
    }
    return nullptr;
}

std::vector<std::string> picturesOf(const Activity& activity) {
    std::vector<std::string> files;
    std::visit([&](auto board) { addPictures(board, files); }, activity.board);
    std::vector<std::string> once;
    for (const std::string& file : files)
        if (std::find(once.begin(), once.end(), file) == once.end()) once.push_back(file);
    return once;
}

}  // namespace lumenary
