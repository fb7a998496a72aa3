#include "bench/startup/child_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <fstream>
#include <string_view>
#include <system_error>

pid_t launch(const std::string& program) {
  const pid_t pid = fork();
  if (pid < 0) {
    throw std::system_error(errno, std::generic_category(), "fork");
  }
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
    }
    execl(program.c_str(), program.c_str(), nullptr);
    _exit(127);
  }
  return pid;
}

bool has_exited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; }

std::optional<long> peak_memory_kib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  constexpr std::string_view kKey = "VmHWM:";
  for (std::string line; std::getline(status, line);) {
    if (!line.starts_with(kKey)) {
      continue;
    }
    const std::size_t digits = line.find_first_not_of(" \t", kKey.size());
    long kib = 0;
    if (digits != std::string::npos &&
        std::from_chars(line.data() + digits, line.data() + line.size(), kib).ec == std::errc{}) {
      return kib;
    }
  }
  return std::nullopt;
}

void kill_and_reap(pid_t pid) {
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}
