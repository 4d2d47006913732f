#pragma once
#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"

namespace appui {

// One row of the measurement table: where the step was printed on the wedge
// (its input percentage), its Lab value, and whether find-errors flagged it.
struct MeasurementRow {
    double step = 0;
    curves::CIELab lab;
    bool flagged = false;
};

// The rows of steps `lab`: row r at the input percentage curves::stepInputPercentage
// gives it (its own position when `positions` holds one per step, else its
// share of evenly spaced steps), flagged when r is in `flaggedRows`.
std::vector<MeasurementRow> measurementRows(const std::vector<curves::CIELab>& lab,
                                            const std::vector<double>& positions, const std::vector<int>& flaggedRows);

// The linearization screen's measurement table: the step's input percentage,
// then L*, a* and b*, each shown with two decimals and edited as a number. It
// shows the rows it is given. The L* cells of flagged rows are bold, red and
// framed (FlaggedRole). An edit that a loaded file could hold goes to the
// screen as a value, and the row takes it when the screen does; any other is
// refused and the cell keeps its value.
class MeasurementTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { stepColumn = 0, labLColumn = 1, labAColumn = 2, labBColumn = 3, columnCount_ = 4 };
    // True for a flagged row's L* cell.
    static constexpr int FlaggedRole = Qt::UserRole + 1;
    // The column's identifier ("idStepColumn", "idLabLColumn", ...) in the
    // horizontal header.
    static constexpr int ColumnIdentifierRole = Qt::UserRole + 2;

    // Answers whether the screen took the edit.
    using EditHandler = std::function<bool(int row, int column, double value)>;

    explicit MeasurementTableModel(EditHandler onEdit, QObject* parent = nullptr);

    // The row with `value` typed into `column`, or nothing when the column is
    // not a Lab column or the row would not pass the checks a loaded file
    // passes (an L* outside 0 to 100, a value that is not a finite number).
    static std::optional<curves::CIELab> editedRow(const curves::CIELab& row, int column, double value);

    // Shows these rows from now on.
    void showRows(std::vector<MeasurementRow> rows);
    const std::vector<MeasurementRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Takes typed text that is wholly a number (wholeNumber) and that
    // editedRow takes; false when the screen does not take it. Any other
    // text is refused with a word on why (editRefused), the cell keeping its
    // value.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // Typed text was refused: why, and that the cell keeps its value.
    void editRefused(const QModelIndex& index, const QString& why);

private:
    double valueAt(int row, int column) const;

    std::vector<MeasurementRow> rows_;
    EditHandler onEdit_;
};

// Draws the frame around flagged cells.
class MeasurementCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace appui
