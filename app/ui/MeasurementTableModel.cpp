#include "app/ui/MeasurementTableModel.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "Charts/foundation/PlatformStyle.h"
#include "app/curves/MeasurementValidity.h"
#include "app/curves/StepPositions.h"
#include "app/ui/FieldText.h"

namespace appui {

namespace {

// The typed text's number as a text field reads it; nothing when the text
// starts with a number no double holds ("1e999", "inf", "nan"), which the
// field's reading would turn into 0 rather than refuse.
std::optional<double> typedNumber(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    const std::size_t start = !s.empty() && s[0] == '+' ? 1 : 0;
    double parsed = 0;
    const auto result = std::from_chars(s.data() + start, s.data() + s.size(), parsed);
    if (result.ec == std::errc::result_out_of_range || (result.ec == std::errc() && !std::isfinite(parsed)))
        return std::nullopt;
    return fieldDoubleValue(text);
}

} // namespace

MeasurementTableModel::MeasurementTableModel(const std::vector<curves::CIELab>* rows,
                                             const std::vector<double>* rowPositions,
                                             const std::vector<int>* flaggedRows, EditHandler onEdit, QObject* parent)
    : QAbstractTableModel(parent),
      rows_(rows),
      rowPositions_(rowPositions),
      flaggedRows_(flaggedRows),
      onEdit_(std::move(onEdit)) {}

void MeasurementTableModel::reloadData() {
    beginResetModel();
    endResetModel();
}

int MeasurementTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_->size());
}

int MeasurementTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columnCount_; }

double MeasurementTableModel::valueAt(int row, int column) const {
    const auto& lab = (*rows_)[static_cast<std::size_t>(row)];
    switch (column) {
    case stepColumn: return curves::stepInputPercentage(row, rowCount(), *rowPositions_);
    case labLColumn: return lab.L;
    case labAColumn: return lab.a;
    default: return lab.b;
    }
}

bool MeasurementTableModel::isFlagged(int row) const {
    return std::find(flaggedRows_->begin(), flaggedRows_->end(), row) != flaggedRows_->end();
}

QVariant MeasurementTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount_) return {};
    const bool flagged = index.column() == labLColumn && isFlagged(index.row());
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
    const auto number = typedNumber(value.toString());
    if (!number || !editedRow((*rows_)[static_cast<std::size_t>(index.row())], index.column(), *number)) return false;
    if (onEdit_) onEdit_(index.row(), index.column(), *number);
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
