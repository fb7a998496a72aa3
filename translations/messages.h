#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "calculation/design_materials.h"
#include "calculation/input_check.h"
#include "calculation/schedule_csv.h"
#include "calculation/schedule_entry.h"
#include "translations/texts.h"

namespace coldesign {

// A message made of the catalogue's texts and said in a language when it is shown: the
// command line says it in Arabic, then in English; a window, in the program's language.
class Message {
 public:
  explicit Message(std::function<QString(Say)> words) : words_(std::move(words)) {}

  [[nodiscard]] QString in(Say say) const { return words_(say); }

 private:
  std::function<QString(Say)> words_;
};

// A text of the catalogue in Arabic: its source, as written.
QString InArabic(CatalogueText text);
// The same in English, from the catalogue built into the program, read when first asked for.
// Needs no Qt application.
QString InEnglish(CatalogueText text);

// Why a schedule's input is refused (without where).
Message ProblemMessage(ScheduleProblem problem);
// The range a material or choice must lie in.
Message MaterialsMessage(MaterialsChoice choice);
Message FloorHeightMessage();

// "FILE: line 4, column "load": the value is not a number".
Message CsvErrorMessage(std::string_view file, const CsvError& error);
// "LOAD "abc": the value is not a number", for a value typed on the command line: the design
// command's load or floors, or an option named as it is typed.
Message LoadArgument();
Message FloorsArgument();
Message OptionArgument(std::string_view option);
Message ArgumentMessage(const Message& argument, std::string_view value, const Message& problem);
// The mark is on more than one line of the file (a warning: the schedule is still made).
Message RepeatedMarkMessage(std::string_view file, std::string_view mark,
                            std::span<const std::size_t> lines, bool more);

// Why the design command's load or floors are refused, naming the value concerned.
Message DesignInputMessage(InputProblem problem, std::string_view load, std::string_view floors);

// The design command's moments and column: a value beyond the range of a number, k outside its
// range, a column more slender than the code allows (naming λ and the limit), and one that no
// length up to the program's limit carries.
Message NotFiniteMessage();
Message LengthFactorMessage();
Message TooSlenderMessage(double slenderness, double limit);
Message TooLargeColumnMessage();

Message UsageMessage(std::string_view detail);
Message FileMessage(std::string_view file, std::string_view reason, bool writing);
// -o names a folder, a device, a pipe or a link to nothing.
Message NotRegularFileMessage(std::string_view file);

// The help of `column-designer --help`.
std::string HelpText();

}  // namespace coldesign
