#pragma once

#include "TopicMenu.h"

namespace lumenary {

// The five topic menus: one family, each screen its own row of the topic table.
class menu1 : public TopicMenu { public: menu1(); };
class menu2 : public TopicMenu { public: menu2(); };
class menu3 : public TopicMenu { public: menu3(); };
class menu4 : public TopicMenu { public: menu4(); };
class menu5 : public TopicMenu { public: menu5(); };

// Topic menu `entry` + 1, loading it if needed (entry 0 is menu1).
Form& topicMenu(int entry);
// What each topic menu shows and which activities it opens, menu1 first.
std::span<const TopicMenuRow> topicMenuRows();

}  // namespace lumenary
