#pragma once

#include <cstdint>
#include <span>

#include "SkinDefinition.h"
#include "skin/package/MessageSink.h"

namespace veyra {

class TQuickIni;
class TSkinReader;

// What the loader needs to know of the platform.
struct TSkinLoadOptions {
    // The width of a horizontal scroll-bar arrow: the combo box button is two
    // pixels wider. The platform's own value on Windows.
    int HScrollArrowWidth = 17;
    // The pixels that all images of one skin may take together. One image is
    // capped by Bitmap::kMaxPixels, but a small file can name a few bytes of
    // run-length data that stand for that many pixels from every section;
    // images past the budget load as empty, with a note.
    std::int64_t MaxImagePixels = 32ll * 1024 * 1024;
};

// Builds a skin definition from the bytes of a packed skin file. Returns false
// for an older file format (after showing the older-file message through
// sink), leaving definition untouched. Throws ESkinFileDamaged for a file that
// does not hold together and lets ElzhException through. Nothing inside the
// definition is an error: missing sections, keys and images give defaults or
// absent elements.
bool LoadSkinDefinition(std::span<const std::uint8_t> packed, TSkinDefinition& definition,
                        const TSkinLoadOptions& options = {},
                        MessageSink sink = DefaultMessageSink());

// The same from the expanded payload of a skin file (see
// TSkinReader::ReadPayload): for tools that hold the members unpacked.
bool LoadSkinDefinitionFromPayload(std::span<const std::uint8_t> payload,
                                   TSkinDefinition& definition,
                                   const TSkinLoadOptions& options = {},
                                   MessageSink sink = DefaultMessageSink());

// Builds the definition from an unpacked skin: the INI member and the images
// that it names. The whole order of a load; used by LoadSkinDefinition.
void BuildSkinDefinition(const TQuickIni& ini, const TSkinReader& members,
                         TSkinDefinition& definition, const TSkinLoadOptions& options = {});

// The sections that some part of the loader reads, for the skin validator:
// true when section would be read by a load.
bool IsKnownSection(std::string_view section);

} // namespace veyra
