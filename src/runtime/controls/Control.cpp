#include "Control.h"

#include "Frame.h"

namespace lumenary {

bool Control::isReachable() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->Visible || !c->Enabled) return false;
    return true;
}

bool Control::isShown() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->Visible) return false;
    return true;
}

Twips Control::absoluteLeft() const { return Left + (container_ ? container_->absoluteLeft() : 0); }
Twips Control::absoluteTop() const { return Top + (container_ ? container_->absoluteTop() : 0); }

}  // namespace lumenary
