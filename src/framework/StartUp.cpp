#include "StartUp.h"

#include "Titlefrm.h"
#include "menus/TopicMenus.h"
#include "runtime/Runtime.h"

namespace lumenary {

const char* ActivityStart::name() const { return link->name; }

void ActivityStart::open() const {
    topicMenu(menu).Show();
    link->open();
}

std::vector<ActivityStart> activityStarts() {
    std::vector<ActivityStart> starts;
    for (const TopicMenuRow& row : topicMenuRows())
        for (const ActivityLink& link : row.links) starts.push_back({row.number - 1, &link});
    return starts;
}

std::optional<ActivityStart> findActivityStart(std::string_view name) {
    for (const ActivityStart& start : activityStarts())
        if (name == start.name()) return start;
    return std::nullopt;
}

void startOnTitleScreen() { form<Titlefrm>().Show(); }

}  // namespace lumenary
