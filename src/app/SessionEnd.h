#pragma once

class QCoreApplication;

namespace lumenary {

// The lesson can end under the program: the session logs out or someone presses Ctrl+C
// (SIGTERM, SIGINT), or the display goes away. These make the program end at once and
// cleanly rather than linger or dump core.

// SIGTERM and SIGINT end the event loop with status 0, so the program leaves main() as it does
// after its own Exit button. Where there are no such signals this does nothing.
void endOnTerminationSignals(QCoreApplication& app);

// When the connection to the X display breaks, Qt says "The X11 connection broke" and calls
// exit() from inside the event loop, destroying static objects beneath the live application and
// its threads. Instead the program says in one line on stderr that the display was lost and
// ends at once with status 1.
void endWhenTheDisplayIsLost();

}  // namespace lumenary
