#pragma once
// What a file read or write came to. The window turns it into a message;
// the engine only says what went wrong and the system's error number.

namespace korvanel {

enum class FileError {
    None,
    NotFound,  // no file of that name (a folder of that name counts as none)
    NotAFile,  // a device, pipe or the like: never opened, it could block
    ShortFile, // fewer bytes than the format needs
    OpenFailed,
    ReadFailed,
    WriteFailed, // includes a read-only target and a folder that cannot be written
};

struct [[nodiscard]] FileResult {
    FileError error = FileError::None;
    int systemError = 0; // errno where the system gave one

    bool ok() const { return error == FileError::None; }
};

} // namespace korvanel
