#include "SkinTestPackage.h"

#include <gtest/gtest.h>

#include "skin/imaging/ImageWriters.h"
#include "tools/packer/SkinPacker.h"

namespace veyra::test {

SkinTestPackage& SkinTestPackage::Image(const std::string& name, const Bitmap& bitmap) {
    Bitmap copy = bitmap;
    copy.SetFormat(PixelFormat::Rgb24);
    return Raw(name, WriteBmp(copy, BmpDepth::Bits24));
}

SkinTestPackage& SkinTestPackage::Strip(const std::string& name, int width, int height,
                                        int frames) {
    Bitmap strip(width, height, PixelFormat::Rgb24, kOpaque);
    const int frameWidth = width / frames;
    for (int k = 1; k <= frames; ++k)
        strip.FillRect(RectOfSize((k - 1) * frameWidth, 0, frameWidth, height), FrameColour(k));
    return Image(name, strip);
}

SkinTestPackage& SkinTestPackage::Raw(const std::string& name, std::vector<std::uint8_t> bytes) {
    Members_.emplace_back(name, std::move(bytes));
    return *this;
}

std::vector<std::uint8_t> SkinTestPackage::Packed(std::int32_t format) const {
    std::vector<tools::PackMember> members{
        {"skin.ini", std::vector<std::uint8_t>(Ini_.begin(), Ini_.end())}};
    for (const auto& [name, bytes] : Members_)
        members.push_back({name, bytes});
    return tools::PackSkin(members, format);
}

TSkinDefinition SkinTestPackage::Load(const TSkinLoadOptions& options) const {
    TSkinDefinition definition;
    const bool loaded =
        LoadSkinDefinition(Packed(), definition, options, [](std::string_view text) {
            ADD_FAILURE() << "unexpected message: " << text;
        });
    EXPECT_TRUE(loaded);
    return definition;
}

} // namespace veyra::test
