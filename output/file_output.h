#pragma once

#include <sys/types.h>

#include <cstddef>
#include <expected>
#include <functional>
#include <string>
#include <string_view>

namespace coldesign {

// Takes the next piece of the output; false when it could not be written.
using WritePiece = std::function<bool(std::string_view)>;
// Hands the output to a WritePiece in pieces; false when a piece was not taken.
using ProduceOutput = std::function<bool(const WritePiece&)>;

// The system's write(2), or a stand-in that fails as a full disk would.
using WriteCall = ssize_t (*)(int file, const void* bytes, std::size_t size);

// Why a file was not written.
struct WriteFailure {
  bool not_regular_file = false;  // the path names a folder, a device, a pipe or a broken link
  std::string reason;             // else the system's reason ("No space left on device")
  int error = 0;                  // and its errno
};

// Writes the output to `path` whole or not at all: into a new file beside the target, then put in
// the target's place. The path may name a regular file, a link to one (the file it points to is
// replaced, the link kept) or a new name in an existing folder; anything else is refused before
// anything is written. A replaced file keeps its permissions.
std::expected<void, WriteFailure> WriteWholeFile(const std::string& path,
                                                 const ProduceOutput& produce,
                                                 WriteCall write_call = nullptr);

}  // namespace coldesign
