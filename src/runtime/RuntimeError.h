#pragma once

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

}  // namespace lumenary
