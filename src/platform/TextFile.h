#pragma once

#include <string>

/// Reading and writing whole files as bytes.
namespace platform {

/// The whole content of a file; throws FileOpenError when it cannot be read.
std::string readWholeFile(const std::string& path);

/// Replaces the file at `path` with `bytes` atomically: a temporary file beside it is
/// written, flushed to disk and renamed over the target, so the old file stays whole
/// when anything fails. Throws FileCreateError on failure, leaving no temporary file.
void saveFileAtomically(const std::string& path, const std::string& bytes);

} // namespace platform
