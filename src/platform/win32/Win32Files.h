#pragma once

#include <cstddef>

#include <windows.h>

namespace platform {

/// Writes all `size` bytes to `file`, in pieces the system takes; false when a write fails.
bool writeAll(HANDLE file, const void* bytes, std::size_t size);

} // namespace platform
