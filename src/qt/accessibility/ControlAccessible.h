#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>

namespace lumenary {

class Control;
class FormWindow;

// One control of a shown form as assistive technology sees it: its role from what it does, its
// name and description from the screen, its state from the model, and for what is clicked a
// press action. It lives only while its window shows the form (see AccessibleControls).
class ControlAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ControlAccessible(FormWindow& window, const Control& control);

    bool isValid() const override;
    // None: the control is no QObject, and the window's own interface is keyed by the window.
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    FormWindow& window_;
    const Control& control_;
};

}  // namespace lumenary
