#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>
#include <vector>

#include "calculation/column_schedule.h"
#include "windows/columns_model.h"

namespace coldesign {

// One row per column per level, with the columns of the schedule's CSV.
class LevelsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setSchedule(std::shared_ptr<const Schedule> schedule);

  [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;

 private:
  std::shared_ptr<const Schedule> schedule_;
  std::vector<int> first_rows_;  // each column's first row; the row count last
};

// The types: one row per segment of each type, its name, marks, count and quantities on the
// type's first row.
class TypesModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setSchedule(const Schedule& schedule);

  [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;

 private:
  struct Row {
    QStringList cells;
    bool failed = false;
  };
  std::vector<Row> rows_;  // written once per schedule: a type's marks may be thousands
};

// The lines under the tables: how many columns, types and quantities (or why there are none),
// the rows not read, the levels not designed, marks repeated. `table` names the columns.
QString ScheduleSummary(const Schedule& schedule, bool floor_height_in_range,
                        const ColumnsModel::ReadColumns& read, const QAbstractItemModel& table);

}  // namespace coldesign
