#pragma once

#include "LabellingBoard.h"
#include "activities/ActivityScreen.h"
#include "runtime/controls/Image.h"

namespace lumenary {

// A drag-and-drop labelling activity: pictures, an outlined drop target by each, and name
// labels resting in outlined home boxes. A label let go near a target or home box snaps onto
// it; when every label rests on a target, "Check Score" appears and counts those on their own
// target. The board (pictures, targets, homes, texts) is the activity's.
class LabellingScreen : public ActivityScreen {
public:
    LabellingScreen(std::string name, std::string caption, const LabellingBoard& board);

    static constexpr int exitButton = 0;
    static constexpr int startAgainButton = 1;
    static constexpr int checkScoreButton = 2;

    ControlArray<Image> Image1;
    ControlArray<Label> Label1;  // drop targets
    ControlArray<Label> Label4;  // home boxes
    // Label3, the label buttons: Exit, Start Again, Check Score.
    Label& Label7;               // title or instruction
    ControlArray<Label> Label2;  // the name labels a pupil drags
    Label& Label5;               // score line

    // How many pictures, targets and name labels this screen has.
    int itemCount() const { return n_; }

    void Form_Load() override;
    void Label2_MouseMove(int index, int button, int shift, Twips x, Twips y);
    void Label2_MouseUp(int index, int button, int shift, Twips x, Twips y);
    void Label3_Click(int index);
    // A name label is carried over the targets in reading order, then to its own home box.
    std::vector<TwipsPoint> carryStops(const Control& control) const override;
    std::string accessibleName(const Control& control) const override;
    // A name label resting on a target says which: "on target 4".
    std::string accessibleDescription(const Control& control) const override;

private:
    void loadPictures();
    void sizeHomeBoxes();
    void captionLabelsAndPlaceHomeBoxes();
    void snapToCapturingBox(Label& label);
    bool everyLabelRestsOnATarget() const;
    void checkScore();
    void startAgain();

    const LabellingBoard& board_;
    int n_ = 0;
};

}  // namespace lumenary
