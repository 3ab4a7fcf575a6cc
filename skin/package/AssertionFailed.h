#pragma once

#include <stdexcept>
#include <string>

namespace veyra {

// A caller broke an operation's contract (a required argument was missing, a
// count that must be positive was not). The message says which, or is the
// generic "Assertion failure".
class EAssertionFailed : public std::logic_error {
public:
    explicit EAssertionFailed(const std::string& message = "Assertion failure")
        : std::logic_error(message) {}
};

} // namespace veyra
