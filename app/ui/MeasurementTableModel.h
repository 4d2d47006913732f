#pragma once
#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>
#include <vector>

#include "app/curves/CIELab.h"

namespace appui {

// The linearization screen's measurement table over the model's raw
// measurements: the step's input percentage, then L*, a* and b*, each shown
// with two decimals and edited as a number. The step is where the row's
// patch was printed on the wedge when the file gave uneven positions, else
// the row's share of evenly spaced steps. The L* cells of rows flagged by
// find-errors are bold, red and framed (FlaggedRole). An edit that a loaded
// file could hold goes to the screen, which writes the value and recomputes;
// any other is refused and the cell keeps its value.
class MeasurementTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { stepColumn = 0, labLColumn = 1, labAColumn = 2, labBColumn = 3, columnCount_ = 4 };
    // True for a flagged row's L* cell.
    static constexpr int FlaggedRole = Qt::UserRole + 1;
    // The column's identifier ("idStepColumn", "idLabLColumn", ...) in the
    // horizontal header.
    static constexpr int ColumnIdentifierRole = Qt::UserRole + 2;

    using EditHandler = std::function<void(int row, int column, double value)>;

    // Reads the rows, their positions on the wedge (empty for even steps)
    // and the flags through the pointers for as long as it lives; all belong
    // to the screen.
    MeasurementTableModel(const std::vector<curves::CIELab>* rows, const std::vector<double>* rowPositions,
                          const std::vector<int>* flaggedRows, EditHandler onEdit, QObject* parent = nullptr);

    // The row with `value` typed into `column`, or nothing when the column is
    // not a Lab column or the row would not pass the checks a loaded file
    // passes (an L* outside 0 to 100, a value that is not a finite number).
    static std::optional<curves::CIELab> editedRow(const curves::CIELab& row, int column, double value);

    // Shows the rows and flags as they are now.
    void reloadData();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Takes the number at the start of the typed text, as a text field's
    // double value does ("50%" is 50, "abc" is 0); false, with nothing
    // handed on, for a value editedRow refuses.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    double valueAt(int row, int column) const;
    bool isFlagged(int row) const;

    const std::vector<curves::CIELab>* rows_;
    const std::vector<double>* rowPositions_;
    const std::vector<int>* flaggedRows_;
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
