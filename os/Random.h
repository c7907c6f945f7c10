// The operating system's cryptographic random source.
#pragma once

#include <cstddef>

namespace zazuzar::os {

// Fills `size` bytes at `buffer` with random bytes from the system's
// cryptographic source (getrandom on Linux, BCryptGenRandom on Windows).
// Throws std::runtime_error, with a Windows-1252 text, when the source fails.
void FillRandom(void* buffer, std::size_t size);

}  // namespace zazuzar::os
