#pragma once

// Pixel pictures for imaging tests: a bitmap is written as rows of letters,
// one letter a pixel, and read back the same way, so a failing test shows
// the picture it got.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "skin/imaging/Bitmap.h"

namespace veyra::test {

using Picture = std::vector<std::string>;

// The pixel of a letter: 'M' is the key colour (magenta); any other
// printable character stands for a grey of its own code.
Pixel PixelOfLetter(char letter);

// A bitmap drawn as rows of letters.
Bitmap MakeBitmap(std::initializer_list<std::string_view> rows,
                  PixelFormat format = PixelFormat::Rgb24);

// The bitmap as rows of letters; a pixel that no letter stands for is '?'.
Picture Describe(const Bitmap& bitmap);

// Compares a bitmap with a picture; on a mismatch writes the bitmap as a PNG
// to the temporary folder and names the file in the failure.
::testing::AssertionResult Looks(const Bitmap& actual, const Picture& expected);

// The same for two bitmaps, pixel for pixel (alpha included).
::testing::AssertionResult SamePixels(const Bitmap& actual, const Bitmap& expected);

} // namespace veyra::test
