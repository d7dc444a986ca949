#pragma once

namespace lumenary {

class Form;

// Each activity's pictures reach the page in a script of their own, not with the program, so
// that a first visit does not carry pictures of screens never opened. When a topic menu is
// shown, the page fetches the pictures of the activities it opens; input waits while they are
// on their way, so that no click opens a screen before its pictures are there.
void fetchPicturesOfActivitiesOpenedFrom(const Form& shown);

}  // namespace lumenary
