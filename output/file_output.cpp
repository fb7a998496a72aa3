// Written with the system's calls rather than QSaveFile, which on a full disk tells "Unknown
// error" instead of the system's reason, and which, run as root, replaced a device named through
// a link with a regular file. Here the target is looked at before anything is written and each
// failing call's errno becomes the reason.

#include "output/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <system_error>

namespace coldesign {
namespace {

std::unexpected<WriteFailure> SystemFailure(int error) {
  return std::unexpected(WriteFailure{false, std::generic_category().message(error), error});
}

std::unexpected<WriteFailure> NotRegularFile() { return std::unexpected(WriteFailure{true, {}}); }

// The file to replace and the permissions the new one gets.
struct Target {
  std::string path;
  mode_t mode;
};

std::expected<Target, WriteFailure> TargetOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) return NotRegularFile();
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    if (!resolved) return SystemFailure(errno);
    return Target{resolved.get(), static_cast<mode_t>(status.st_mode & 07777)};
  }
  const int error = errno;
  if (error != ENOENT) return SystemFailure(error);
  // A link to nothing is not followed: what it would create is not what the user named.
  if (::lstat(path.c_str(), &status) == 0) return NotRegularFile();
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return Target{path, static_cast<mode_t>(0666 & ~mask)};
}

// Every byte of the piece, through short writes and interruptions; the errno when one fails.
int WriteAll(int file, std::string_view piece, WriteCall write_call) {
  while (!piece.empty()) {
    const ssize_t written = write_call(file, piece.data(), piece.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    piece.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

std::expected<void, WriteFailure> WriteWholeFile(const std::string& path,
                                                 const ProduceOutput& produce,
                                                 WriteCall write_call) {
  if (write_call == nullptr) write_call = &::write;
  const auto target = TargetOf(path);
  if (!target) return std::unexpected(target.error());
  // Beside the target, so that the rename stays within its file system.
  const std::size_t name_start = target->path.rfind('/') + 1;  // 0 without a folder
  std::string temporary =
      target->path.substr(0, name_start) + "." + target->path.substr(name_start) + ".XXXXXX";
  const int file = ::mkstemp(temporary.data());
  if (file < 0) return SystemFailure(errno);

  int error = ::fchmod(file, target->mode) == 0 ? 0 : errno;
  if (error == 0 && !produce([&](std::string_view piece) {
        error = WriteAll(file, piece, write_call);
        return error == 0;
      })) {
    if (error == 0) error = EIO;  // the output itself could not be made
  }
  if (error == 0 && ::fsync(file) != 0) error = errno;
  if (::close(file) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target->path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return SystemFailure(error);
  }
  return {};
}

}  // namespace coldesign
