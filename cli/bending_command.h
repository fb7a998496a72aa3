#pragma once

// The design command's options for a column that carries moments, and its design of one.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <expected>
#include <optional>
#include <string>

#include "calculation/bending_design.h"
#include "translations/messages.h"

namespace coldesign {

struct BendingOptions {
  QCommandLineOption moment_x{QStringLiteral("mx"), {}, QStringLiteral("T_M")};
  QCommandLineOption moment_y{QStringLiteral("my"), {}, QStringLiteral("T_M")};
  QCommandLineOption unbraced{QStringLiteral("unbraced"), {}};
  QCommandLineOption length_factor{QStringLiteral("k"), {}, QStringLiteral("K")};
  QCommandLineOption format{QStringLiteral("format"), {}, QStringLiteral("F")};

  [[nodiscard]] QList<QCommandLineOption> All() const {
    return {moment_x, moment_y, unbraced, length_factor, format};
  }
  // Whether the option of this name takes a value.
  [[nodiscard]] bool TakesValue(const QString& name) const;
};

struct BendingChoices {
  double moment_x_t_m = 0;
  double moment_y_t_m = 0;
  bool moments_given = false;  // --mx or --my
  bool unbraced = false;
  std::optional<double> length_factor;
  bool json = false;
};

// The options as given; a message for a value that is no finite number, a k outside its range,
// or a format other than csv and json.
std::expected<BendingChoices, Message> ReadBendingChoices(const QCommandLineParser& parser,
                                                          const BendingOptions& options);

// What the design command prints and its exit status: 0 designed, 1 not (too slender, too
// large, a load beyond the range of a number), with a message for stderr then.
struct BendingOutcome {
  std::string output;
  int status = 0;
  std::optional<Message> warning;
};
BendingOutcome DesignWithMoments(const ColumnDesignInput& column, const BendingChoices& choices,
                                 double column_height_m);

}  // namespace coldesign
