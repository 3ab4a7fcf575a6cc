#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace veyra::tools {

// How the encoder looks for repeats. Search finds the longest match at every
// byte. LiteralsOnly writes every byte as a literal: a valid stream, no
// smaller than the data, made without the match tables, for callers that
// pack thousands of small inputs a second (the fuzz targets).
enum class LzhMatching { Search, LiteralsOnly };

// Compresses data into an LZHUF stream that TLZH (and any decoder of the
// published scheme) expands back. Matches may reach into the ring's initial
// spaces. The result has no size field.
std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data,
                                      LzhMatching matching = LzhMatching::Search);

// A packed body: the 4-byte little-endian size of data, then LzhCompress(data).
std::vector<std::uint8_t> LzhPackBody(std::span<const std::uint8_t> data,
                                      LzhMatching matching = LzhMatching::Search);

} // namespace veyra::tools
