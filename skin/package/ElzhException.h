#pragma once

#include <stdexcept>
#include <string>

namespace veyra {

// Raised by the LZH decoder when its working tables cannot be had or given back.
class ElzhException : public std::runtime_error {
public:
    explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeErrorMessage =
    "LZH : Error freeing memory for dictionary tables";

} // namespace veyra
