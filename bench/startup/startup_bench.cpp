// Start-up benchmark: how long a program takes from exec to its first drawn frame, and how
// much memory it has used by then, against a reference program, on the X display named by
// DISPLAY. Runs alternate between the two programs so that both meet the same conditions.
//
//   startup-bench [--runs N] PROGRAM REFERENCE

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <exception>
#include <filesystem>
#include <iostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "bench/startup/child_process.h"
#include "bench/startup/first_frame_watch.h"

namespace {

using Clock = FirstFrameWatch::Clock;
using namespace std::chrono_literals;

constexpr auto kFrameDeadline = 30s;
constexpr int kDefaultRuns = 15;

struct Subject {
  std::string program;
  std::vector<double> first_frame_ms;
  std::vector<double> peak_mib;
};

struct Options {
  int runs = kDefaultRuns;
  std::array<std::string, 2> programs;
};

Options parse_options(std::span<char*> args) {
  Options options;
  std::size_t next = 1;
  if (args.size() == 5 && std::string_view(args[1]) == "--runs") {
    const std::string_view runs = args[2];
    const auto [end, ec] = std::from_chars(runs.data(), runs.data() + runs.size(), options.runs);
    if (ec != std::errc{} || end != runs.data() + runs.size() || options.runs < 1) {
      throw std::invalid_argument("--runs needs a positive whole number");
    }
    next = 3;
  } else if (args.size() != 3) {
    throw std::invalid_argument("usage: startup-bench [--runs N] PROGRAM REFERENCE");
  }
  options.programs = {args[next], args[next + 1]};
  return options;
}

// One start of the program: the time to its first frame and its peak memory at that moment.
void measure_once(FirstFrameWatch& watch, Subject& subject) {
  watch.reset();
  const auto started = Clock::now();
  const pid_t pid = launch(subject.program);
  while (true) {
    if (const auto drawn = watch.poll_first_frame(pid, 100ms)) {
      const auto peak_kib = peak_memory_kib(pid);
      kill_and_reap(pid);
      if (!peak_kib) {
        throw std::runtime_error("cannot read the peak memory of " + subject.program);
      }
      subject.first_frame_ms.push_back(
          std::chrono::duration<double, std::milli>(*drawn - started).count());
      subject.peak_mib.push_back(static_cast<double>(*peak_kib) / 1024.0);
      return;
    }
    if (has_exited(pid)) {
      throw std::runtime_error(subject.program + " ended before drawing a window");
    }
    if (Clock::now() - started > kFrameDeadline) {
      kill_and_reap(pid);
      throw std::runtime_error(subject.program + " drew no window within 30 s");
    }
  }
}

double median(std::vector<double> values) {
  std::ranges::sort(values);
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string fixed(double value, int decimals) {
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, decimals);
  return {text.data(), result.ptr};
}

// `text` padded with blanks to `width` characters, on the left or on the right.
std::string pad(std::string text, std::size_t width, bool on_left) {
  if (text.size() < width) {
    text.insert(on_left ? text.begin() : text.end(), width - text.size(), ' ');
  }
  return text;
}

void report(const Subject& program, const Subject& reference, int runs) {
  const double time = median(program.first_frame_ms);
  const double time_reference = median(reference.first_frame_ms);
  const double memory = median(program.peak_mib);
  const double memory_reference = median(reference.peak_mib);
  const auto row = [](const std::string& name, const std::string& time_text,
                      const std::string& memory_text) {
    std::cout << pad(name, 24, false) << pad(time_text, 18, true) << pad(memory_text, 19, true)
              << '\n';
  };
  std::cout << "medians of " << runs << " alternating runs each\n";
  row("", "first frame (ms)", "peak memory (MiB)");
  row(std::filesystem::path(program.program).filename().string(), fixed(time, 1), fixed(memory, 1));
  row(std::filesystem::path(reference.program).filename().string(), fixed(time_reference, 1),
      fixed(memory_reference, 1));
  row("ratio (target <= 1.15)", fixed(time / time_reference, 3),
      fixed(memory / memory_reference, 3));
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    const Options options = parse_options(std::span(argv, static_cast<std::size_t>(argc)));
    FirstFrameWatch watch;
    std::array<Subject, 2> subjects;
    for (std::size_t i = 0; i < subjects.size(); ++i) {
      subjects.at(i).program = options.programs.at(i);
    }
    // One start each, not counted, fills the file cache.
    for (Subject& subject : subjects) {
      measure_once(watch, subject);
      subject.first_frame_ms.clear();
      subject.peak_mib.clear();
    }
    for (int run = 0; run < options.runs; ++run) {
      const auto first = static_cast<std::size_t>(run % 2);
      measure_once(watch, subjects.at(first));
      measure_once(watch, subjects.at(1 - first));
    }
    report(subjects[0], subjects[1], options.runs);
  } catch (const std::exception& error) {
    std::cerr << "startup-bench: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
