#pragma once

#include "runtime/language/Translation.h"

#include <stdexcept>
#include <string>

namespace lumenary {

// A fault the forms runtime raises in the handler that asked for something impossible:
// a picture that cannot be read, a control the form lacks. The message says what failed,
// on which file or control, and why.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture that cannot be read: which file, and why, in the language in force.
inline RuntimeError pictureError(const std::string& path, const std::string& reason) {
    return RuntimeError(trFill(N_("Cannot load picture \"%s\": %s"), {path, reason}));
}

}  // namespace lumenary
