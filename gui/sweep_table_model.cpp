#include "gui/sweep_table_model.h"

#include <QFont>

#include "calc/sweep_text.h"

namespace moltherm::gui {

void SweepTableModel::setRows(std::vector<SweepRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int SweepTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SweepTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(1 + kSweepColumnCount);
}

QVariant SweepTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const SweepRow& row = rows_[static_cast<std::size_t>(index.row())];
    const bool isTemperature = index.column() == 0;
    const SweepColumn column = isTemperature
                                   ? SweepColumn{SweepPart::kTotal, SweepQuantity::kCp}
                                   : SweepColumnAt(static_cast<std::size_t>(index.column() - 1));
    const double value = isTemperature ? row.temperature : row[column.part][column.quantity];
    switch (role) {
        case Qt::DisplayRole:
            return isTemperature ? QString::fromStdString(SweepNumberText(value))
                                 : QString::number(value, 'f', 3);
        case Qt::UserRole:
            return value;
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (isTemperature || column.part == SweepPart::kTotal) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
    }
}

// "Cp\ntranslational\n[J/(K mol)]": three short lines keep the 26 columns narrow.
QVariant SweepTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section == 0) return QStringLiteral("T\n\n[K]");
    if (section < 0 || section >= columnCount()) return {};
    const SweepColumn column = SweepColumnAt(static_cast<std::size_t>(section - 1));
    return QStringLiteral("%1\n%2\n[%3]")
        .arg(QString::fromUtf8(SweepQuantityLabel(column.quantity)),
             QString::fromUtf8(SweepPartName(column.part)),
             QString::fromUtf8(SweepQuantityUnit(column.quantity)));
}

}  // namespace moltherm::gui
