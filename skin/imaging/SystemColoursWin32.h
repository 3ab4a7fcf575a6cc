#pragma once

namespace veyra {

// Fills the system colour table of the core from GetSysColor; call at start
// and on WM_SYSCOLORCHANGE.
void LoadSystemColours();

} // namespace veyra
