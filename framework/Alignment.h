#pragma once

namespace veyra {

// How a control lines up its text: status-bar panels and header sections
// take all three, check boxes and radio buttons the first two (TLeftRight).
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
using TLeftRight = TAlignment;

} // namespace veyra
