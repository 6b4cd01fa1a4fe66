#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "calc/sweep.h"

namespace moltherm::gui {

// The sweep as a table: T, then the five quantities of each contribution, the total last, as
// calc/sweep orders them. Shows three decimals (T as given); Qt::UserRole gives the exact
// double. Headers carry the units.
class SweepTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<SweepRow> rows);
    const std::vector<SweepRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<SweepRow> rows_;
};

}  // namespace moltherm::gui
