#pragma once

#include <functional>
#include <string_view>

namespace veyra {

// Where the skin package shows the one message it ever shows the user.
using MessageSink = std::function<void(std::string_view text)>;

// The platform's way of showing it: a message box on Windows, standard error
// elsewhere.
MessageSink DefaultMessageSink();

} // namespace veyra
