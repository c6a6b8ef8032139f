#pragma once
// Replacing a file's contents so that a failure at any point leaves the old
// file as it was: the bytes go to a temporary file beside it, which is flushed
// to disk and then renamed over the target; the folder is flushed last, so the
// new file is the one a power cut leaves. Where the folder takes no new
// file, an existing writable target is overwritten in place instead, once the
// room for the whole image is secured.

#include <cstdint>
#include <span>
#include <string>

#include "files/FileResult.h"

namespace korvanel {

FileResult replaceFileContents(const std::string &path, std::span<const std::uint8_t> bytes);

} // namespace korvanel
