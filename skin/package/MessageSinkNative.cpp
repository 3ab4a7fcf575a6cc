#include "MessageSink.h"

#include <iostream>
#include <string>

namespace veyra {

MessageSink DefaultMessageSink() {
    return [](std::string_view text) {
        std::string line(text);
        for (char& c : line)
            if (c == '\r')
                c = '\n';
        std::cerr << line << '\n';
    };
}

} // namespace veyra
