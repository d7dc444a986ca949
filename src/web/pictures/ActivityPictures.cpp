#include "web/pictures/ActivityPictures.h"

#include "activities/Activities.h"
#include "menus/TopicMenu.h"

#include <emscripten.h>

namespace lumenary {

namespace {

EM_JS(void, js_needPack, (const char* name), { Lumenary.packs.need(UTF8ToString(name)); });

}  // namespace

void fetchPicturesOfActivitiesOpenedFrom(const Form& shown) {
    if (const auto* menu = dynamic_cast<const TopicMenu*>(&shown))
        for (const Activity& activity : activities())
            if (activity.menu == menu->number()) js_needPack(activity.name);
}

}  // namespace lumenary
