#include "windows/schedule_models.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <array>
#include <string_view>

#include "sheet/left_to_right.h"
#include "translations/messages.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

const QColor kFailure(0xB0, 0x00, 0x20);

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
// Each figure and each mark reads left to right inside the Arabic table: "-5", not "5-".
QString Figures(const QString& figures) { return LeftToRightIsolate(figures); }
QString Figures(std::string_view figures) { return LeftToRightIsolate(Text(figures)); }
QString Whole(std::int64_t value) { return Figures(FormatInteger(value)); }
QString Mark(std::string_view mark) { return TypedLeftToRight(Text(mark)); }

enum LevelColumn {
  kMark,
  kCount,
  kLevel,
  kFloorsCarried,
  kRequiredArea,
  kWidth,
  kLength,
  kSteelArea,
  kBars,
  kBarDiameter,
  kStatus,
  kLevelColumns
};

enum TypeColumn {
  kType,
  kMarks,
  kTypeCount,
  kLevels,
  kSection,
  kTypeBars,
  kConcrete,
  kSteel,
  kTypeColumns
};

QString LevelsText(const ColumnSegment& segment) {
  return segment.first_level == segment.last_level
             ? Whole(segment.first_level)
             : Figures(Text(FormatInteger(segment.first_level)) + u"–"_s +
                       Text(FormatInteger(segment.last_level)));
}

}  // namespace

void LevelsModel::setSchedule(std::shared_ptr<const Schedule> schedule) {
  beginResetModel();
  schedule_ = std::move(schedule);
  first_rows_.assign(1, 0);
  for (const ScheduleColumn& column : schedule_->columns) {
    first_rows_.push_back(first_rows_.back() + static_cast<int>(column.levels.size()));
  }
  endResetModel();
}

int LevelsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || first_rows_.empty() ? 0 : first_rows_.back();
}

int LevelsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kLevelColumns;
}

QVariant LevelsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto after = std::ranges::upper_bound(first_rows_, index.row());
  const auto column_index = static_cast<std::size_t>(after - first_rows_.begin() - 1);
  const ScheduleColumn& column = schedule_->columns[column_index];
  const int level_number = index.row() - *(after - 1) + 1;
  const LevelDesign& level = schedule_->Level(column, level_number);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
  if (role == Qt::ForegroundRole) return level.failure ? QVariant(QBrush(kFailure)) : QVariant();
  if (role != Qt::DisplayRole) return {};
  const bool designed = !level.failure;
  switch (index.column()) {
    case kMark:
      return Mark(column.input.mark) + (column.repeated_mark ? RepeatedMarkNote() : QString());
    case kCount:
      return Whole(column.input.count);
    case kLevel:
      return Whole(level_number);
    case kFloorsCarried:
      return Whole(level.floors_carried);
    case kRequiredArea:
      return Figures(level.required_area_text);
    case kWidth:
      return designed ? Whole(schedule_->materials.width_cm) : QString();
    case kLength:
      return Figures(level.length_text);
    case kSteelArea:
      return Figures(level.steel_area_text);
    case kBars:
      return Figures(level.bar_count_text);
    case kBarDiameter:
      return designed ? Whole(schedule_->materials.bar_diameter_mm) : QString();
    case kStatus:
      return designed ? DesignedStatus() : TooLargeStatus();
    default:
      return {};
  }
}

QVariant LevelsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const std::array<QString, kLevelColumns> titles = {
      MarkTitle(),
      CountTitle(),
      LevelTitle(),
      FloorsCarriedTitle(),
      Texts::tr("المساحة المطلوبة (cm²)", "schedule.required-area"),
      Texts::tr("العرض (cm)", "schedule.width"),
      Texts::tr("الطول (cm)", "schedule.length"),
      Texts::tr("مساحة الحديد (cm²)", "schedule.steel-area"),
      BarsTitle(),
      Texts::tr("القطر (mm)", "schedule.bar-diameter"),
      StatusTitle()};
  return titles.at(static_cast<std::size_t>(section));
}

void TypesModel::setSchedule(const Schedule& schedule) {
  beginResetModel();
  rows_.clear();
  const DesignMaterials& materials = schedule.materials;
  const QString separator = InProgramLanguage(kListSeparator);
  for (const ColumnType& type : schedule.types) {
    QStringList marks;
    for (const std::size_t column : type.columns) {
      marks.append(Mark(schedule.columns[column].input.mark));
    }
    for (std::size_t s = 0; s < type.segments.size(); ++s) {
      const ColumnSegment& segment = type.segments[s];
      const bool first = s == 0;
      Row& row = rows_.emplace_back();
      row.failed = segment.failure.has_value();
      row.cells = {
          first ? Figures(type.name) : QString(),
          first ? marks.join(separator) : QString(),
          first ? Whole(type.count) : QString(),
          LevelsText(segment),
          row.failed ? TooLargeStatus()
                     : Figures(Text(FormatInteger(materials.width_cm)) + u" × "_s +
                               Text(segment.length_text)),
          row.failed ? QString()
                     : Figures(Text(segment.bar_count_text) + u" Φ"_s +
                               Text(FormatInteger(materials.bar_diameter_mm))),
          first ? Figures(QuantityText(type.quantities.concrete_m3, kConcreteDecimals)) : QString(),
          first ? Figures(QuantityText(type.quantities.steel_kg, kSteelDecimals)) : QString()};
    }
  }
  endResetModel();
}

int TypesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TypesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kTypeColumns;
}

QVariant TypesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return row.cells.value(index.column());
    case Qt::TextAlignmentRole:  // a list of marks from where a line starts, in either direction
      return QVariant::fromValue(index.column() == kMarks ? Qt::AlignLeading | Qt::AlignVCenter
                                                          : Qt::AlignCenter);
    case Qt::ForegroundRole:
      return row.failed ? QVariant(QBrush(kFailure)) : QVariant();
    default:
      return {};
  }
}

QVariant TypesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const std::array<QString, kTypeColumns> titles = {TypeTitle(),
                                                    ColumnsTitle(),
                                                    CountTitle(),
                                                    LevelsTitle(),
                                                    Texts::tr("المقطع (cm)", "schedule.section"),
                                                    BarsTitle(),
                                                    Texts::tr("الخرسانة (m³)", "schedule.concrete"),
                                                    Texts::tr("الحديد (kg)", "schedule.steel")};
  return titles.at(static_cast<std::size_t>(section));
}

QString ScheduleSummary(const Schedule& schedule, bool floor_height_in_range,
                        const ColumnsModel::ReadColumns& read, const QAbstractItemModel& table) {
  QStringList lines;
  if (!floor_height_in_range) {
    lines.append(FloorHeightMessage().in(InProgramLanguage));
  } else {
    std::int64_t columns = 0;
    for (const ColumnType& type : schedule.types) columns += type.count;
    lines.append(Texts::tr("الأعمدة %1 في %2 نوعا؛ الخرسانة %3 m³ والحديد الطولي %4 kg، دون "
                           "وصلات أو هالك",
                           "schedule.summary")
                     .arg(Whole(columns), Whole(static_cast<std::int64_t>(schedule.types.size())),
                          Figures(QuantityText(schedule.total.concrete_m3, kConcreteDecimals)),
                          Figures(QuantityText(schedule.total.steel_kg, kSteelDecimals))));
  }
  if (read.first_refused) {
    const auto& [row, error] = *read.first_refused;
    lines.append(
        Texts::tr("صفوف لم تقرأ: %1؛ أولها الصف %2، العمود «%3»: %4", "schedule.rows-not-read")
            .arg(Whole(read.refused), Whole(row + 1),
                 table.headerData(static_cast<int>(error.field), Qt::Horizontal).toString(),
                 ProblemMessage(error.problem).in(InProgramLanguage)));
  }
  if (!schedule.all_designed) {
    lines.append(
        Texts::tr("بعض المستويات لم تصمم: القيم كبيرة جدا", "schedule.some-levels-not-designed"));
  }
  if (std::ranges::any_of(schedule.columns, &ScheduleColumn::repeated_mark)) {
    lines.append(Texts::tr("بعض الرموز مكررة", "schedule.repeated-marks"));
  }
  return lines.join(u'\n');
}

}  // namespace coldesign
