#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "calculation/design_materials.h"
#include "calculation/schedule_csv.h"
#include "calculation/schedule_entry.h"

namespace coldesign {

// A message of the command line: an Arabic line, then the same in English.
struct Message {
  std::string arabic;
  std::string english;
};

// Why a schedule's input is refused (without where).
Message ProblemMessage(ScheduleProblem problem);
// The range a material or choice must lie in.
Message MaterialsMessage(MaterialsChoice choice);
Message FloorHeightMessage();

// "FILE: line 4, column "load": the value is not a number", in both languages.
Message CsvErrorMessage(std::string_view file, const CsvError& error);
// "LOAD "abc": the value is not a number", for a value typed on the command line; the argument
// named in both languages.
Message ArgumentMessage(const Message& argument, std::string_view value, const Message& problem);
// The mark is on more than one line of the file (a warning: the schedule is still made).
Message RepeatedMarkMessage(std::string_view file, std::string_view mark,
                            std::span<const std::size_t> lines, bool more);

Message UsageMessage(std::string_view detail);
Message FileMessage(std::string_view file, std::string_view reason, bool writing);

// The help of `column-designer --help`.
std::string HelpText();

}  // namespace coldesign
