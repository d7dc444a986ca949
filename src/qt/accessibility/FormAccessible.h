#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace lumenary {

class Control;
class FormWindow;

// A form's window as assistive technology sees it: a window named by the form's caption whose
// children are the form's shown controls, back to front, and whose focus is the form's.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(FormWindow& window);

    // Makes every FormWindow answer with a FormAccessible; once is enough.
    static void install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    // Focused only while none of its controls has the focus.
    QAccessible::State state() const override;

private:
    std::vector<Control*> shownControls() const;

    FormWindow& window_;
};

}  // namespace lumenary
