#include "StartUp.h"

#include "Titlefrm.h"
#include "TopicMenus.h"
#include "activities/Activities.h"
#include "runtime/Runtime.h"

namespace lumenary {

void startOnTitleScreen() { form<Titlefrm>().Show(); }

void startInActivity(const Activity& activity) {
    topicMenu(activity.menu - 1).Show();
    screenOf(activity).Show();
}

}  // namespace lumenary
