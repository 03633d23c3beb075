#pragma once

#include <stdexcept>
#include <string>

/// The program's failures: each carries the exact text that the error box shows.
namespace platform {

/// A file could not be opened for reading.
class FileOpenError : public std::runtime_error {
public:
    FileOpenError(const std::string& path, const std::string& reason);
};

/// A file could not be created or written.
class FileCreateError : public std::runtime_error {
public:
    FileCreateError(const std::string& path, const std::string& reason);
};

/// A list line was read that the list does not hold.
class ListIndexError : public std::runtime_error {
public:
    explicit ListIndexError(long long index);
};

/// The system's own text for an error number.
std::string systemMessage(int errorNumber);

} // namespace platform
