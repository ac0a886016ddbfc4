#pragma once
#include <cstdint>
#include <optional>

// Milliseconds since an arbitrary start, wrapping at 2^32 like the system tick count.
uint32_t TickCountMs();
// Tests fix the counter (nullopt gives the real one back).
void SetTickCountForTests(std::optional<uint32_t> fixed);
