#pragma once

namespace veyra {

// Makes the framework's creatable classes (pages, web views, timers ...)
// known to the form reader. Safe to call more than once.
void RegisterFrameworkClasses();

} // namespace veyra
