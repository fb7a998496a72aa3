#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

// Starts `program` (fork and exec, no arguments, its standard output discarded) and returns
// its process id; throws std::system_error if it cannot fork.
pid_t launch(const std::string& program);

// Whether the process has ended (it is then reaped).
bool has_exited(pid_t pid);

// The process's peak resident memory so far (VmHWM), in KiB.
std::optional<long> peak_memory_kib(pid_t pid);

// Kills the process and reaps it.
void kill_and_reap(pid_t pid);
