#include "app/ui/linearization/MeasurementTableModel.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <algorithm>

#include "Charts/foundation/PlatformStyle.h"
#include "app/curves/measurements/MeasurementValidity.h"
#include "app/curves/measurements/StepPositions.h"
#include "app/ui/widgets/FieldText.h"

namespace appui {

std::vector<MeasurementRow> measurementRows(const std::vector<curves::CIELab>& lab,
                                            const std::vector<double>& positions, const std::vector<int>& flaggedRows) {
    std::vector<MeasurementRow> rows;
    rows.reserve(lab.size());
    const int count = static_cast<int>(lab.size());
    for (int r = 0; r < count; ++r)
        rows.push_back({curves::stepInputPercentage(r, count, positions), lab[static_cast<std::size_t>(r)],
                        std::find(flaggedRows.begin(), flaggedRows.end(), r) != flaggedRows.end()});
    return rows;
}

MeasurementTableModel::MeasurementTableModel(EditHandler onEdit, QObject* parent)
    : QAbstractTableModel(parent),
      onEdit_(std::move(onEdit)) {}

void MeasurementTableModel::showRows(std::vector<MeasurementRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int MeasurementTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MeasurementTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columnCount_; }

double MeasurementTableModel::valueAt(int row, int column) const {
    const auto& shown = rows_[static_cast<std::size_t>(row)];
    switch (column) {
    case stepColumn: return shown.step;
    case labLColumn: return shown.lab.L;
    case labAColumn: return shown.lab.a;
    default: return shown.lab.b;
    }
}

QVariant MeasurementTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount_) return {};
    const bool flagged = index.column() == labLColumn && rows_[static_cast<std::size_t>(index.row())].flagged;
    switch (role) {
    case Qt::DisplayRole: return twoDecimals(valueAt(index.row(), index.column()));
    case Qt::EditRole:
        return QString::number(valueAt(index.row(), index.column()), 'g', QLocale::FloatingPointShortest);
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (flagged) return QBrush(Qt::red);
        return {};
    case Qt::FontRole:
        if (flagged) {
            QFont bold = charts::systemFont(13);
            bold.setBold(true);
            return bold;
        }
        return {};
    case FlaggedRole: return flagged;
    default: return {};
    }
}

QVariant MeasurementTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[] = {"Step", "L*", "a*", "b*"};
    static const char* const identifiers[] = {"idStepColumn", "idLabLColumn", "idLabAColumn", "idLabBColumn"};
    if (section < 0 || section >= columnCount_) return {};
    if (role == Qt::DisplayRole) return QString::fromUtf8(titles[section]);
    if (role == ColumnIdentifierRole) return QString::fromUtf8(identifiers[section]);
    return {};
}

Qt::ItemFlags MeasurementTableModel::flags(const QModelIndex& index) const {
    auto f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != stepColumn) f |= Qt::ItemIsEditable;
    return f;
}

std::optional<curves::CIELab> MeasurementTableModel::editedRow(const curves::CIELab& row, int column, double value) {
    auto edited = row;
    switch (column) {
    case labLColumn: edited.L = value; break;
    case labAColumn: edited.a = value; break;
    case labBColumn: edited.b = value; break;
    default: return std::nullopt;
    }
    // The checks every measurement file passes on loading.
    if (curves::unusableMeasurementReason({edited})) return std::nullopt;
    return edited;
}

bool MeasurementTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()) return false;
    auto& row = rows_[static_cast<std::size_t>(index.row())];
    // Why an edit is refused, and that the cell keeps its value.
    const auto refuse = [&](const QString& why) {
        const QString stays = QStringLiteral("%1 stays %2.")
                                  .arg(headerData(index.column(), Qt::Horizontal).toString(),
                                       twoDecimals(valueAt(index.row(), index.column())));
        emit editRefused(index, why + QStringLiteral("; ") + stays);
        return false;
    };
    // A typo read as the number it starts with, or as 0, would recompute
    // every curve from a step that was never measured.
    const auto number = wholeNumber(value.toString());
    if (!number) return refuse(QStringLiteral("\u201C%1\u201D is not a number").arg(value.toString().trimmed()));
    const auto edited = editedRow(row.lab, index.column(), *number);
    if (!edited) return refuse(QStringLiteral("L* is a number from 0 to 100"));
    if (!onEdit_ || !onEdit_(index.row(), index.column(), *number)) return false;
    row.lab = *edited;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount_ - 1));
    return true;
}

void MeasurementCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!index.data(MeasurementTableModel::FlaggedRole).toBool()) return;
    painter->save();
    painter->setPen(QPen(Qt::red, 1));
    painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

} // namespace appui
