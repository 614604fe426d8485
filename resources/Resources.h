#pragma once

namespace orrin {

// Registers the pictures compiled into the static resource library; without
// this call the linker drops them. Call once before the first picture loads.
void InitResources();

} // namespace orrin
