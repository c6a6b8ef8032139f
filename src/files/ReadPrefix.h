#pragma once
// Reading the first bytes of a file into a buffer of a fixed size, the way
// every raw image of this program is read: a folder counts as no file, a pipe
// or a device is never opened (it could block), and a file shorter than the
// buffer is a short file. A longer file is read only as far as the buffer.

#include <cstdint>
#include <span>
#include <string>

#include "files/FileResult.h"

namespace korvanel {

FileResult readFilePrefix(const std::string &path, std::span<std::uint8_t> into);

} // namespace korvanel
