#include <gtest/gtest.h>

#include <QBrush>
#include <QFont>
#include <limits>
#include <tuple>
#include <vector>

#include "app/ui/linearization/MeasurementTableModel.h"

namespace appui {

namespace {

struct Table {
    std::vector<curves::CIELab> rows{{95.5, 0.25, -1}, {50, 1.234, 2.5}, {5.125, -0.5, 3}};
    std::vector<double> positions;
    std::vector<int> flagged;
    std::vector<std::tuple<int, int, double>> edits;
    MeasurementTableModel model{[this](int r, int c, double v) {
        edits.emplace_back(r, c, v);
        return true;
    }};

    Table() { reloadData(); }
    // The rows as they stand now, as the screen hands them over.
    void reloadData() { model.showRows(measurementRows(rows, positions, flagged)); }

    QVariant at(int row, int column, int role = Qt::DisplayRole) const {
        return model.data(model.index(row, column), role);
    }
};

} // namespace

TEST(MeasurementTable, RowsShowTheStepPercentageAndLabWithTwoDecimals) {
    Table table;
    EXPECT_EQ(table.model.rowCount(), 3);
    EXPECT_EQ(table.model.columnCount(), 4);
    const char* expected[3][4] = {
        {"0.00", "95.50", "0.25", "-1.00"}, {"50.00", "50.00", "1.23", "2.50"}, {"100.00", "5.13", "-0.50", "3.00"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(table.at(r, c).toString(), QString::fromUtf8(expected[r][c])) << r << c;
    EXPECT_EQ(table.at(1, 2, Qt::EditRole).toString(), QStringLiteral("1.234")) << "edited at full precision";

    const char* identifiers[] = {"idStepColumn", "idLabLColumn", "idLabAColumn", "idLabBColumn"};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(table.model.headerData(c, Qt::Horizontal, MeasurementTableModel::ColumnIdentifierRole).toString(),
                  QString::fromUtf8(identifiers[c]));
}

TEST(MeasurementTable, RowsOfAnUnevenlyPrintedWedgeShowWhereTheyWerePrinted) {
    Table table;
    table.positions = {0, 2.5, 10};
    table.reloadData();
    EXPECT_EQ(table.at(0, 0).toString(), QStringLiteral("0.00"));
    EXPECT_EQ(table.at(1, 0).toString(), QStringLiteral("25.00"));
    EXPECT_EQ(table.at(2, 0).toString(), QStringLiteral("100.00"));
}

TEST(MeasurementTable, AOneRowTableShowsStepZero) {
    Table table;
    table.rows.resize(1);
    table.reloadData();
    EXPECT_EQ(table.at(0, 0).toString(), QStringLiteral("0.00"));
}

TEST(MeasurementTable, FlaggedRowsHaveABoldRedFramedLightness) {
    Table table;
    table.flagged = {1};
    table.reloadData();
    EXPECT_TRUE(table.at(1, 1, MeasurementTableModel::FlaggedRole).toBool());
    EXPECT_EQ(table.at(1, 1, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    const auto font = table.at(1, 1, Qt::FontRole).value<QFont>();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 13) << "sized in pixels, as every text of the screen";
    // Only the L* cell of a flagged row.
    for (const auto& [r, c] : {std::pair{1, 0}, std::pair{1, 2}, std::pair{0, 1}, std::pair{2, 1}}) {
        EXPECT_FALSE(table.at(r, c, MeasurementTableModel::FlaggedRole).toBool()) << r << c;
        EXPECT_FALSE(table.at(r, c, Qt::ForegroundRole).isValid()) << r << c;
    }
}

TEST(MeasurementTable, EditsOfLabCellsGoToTheScreenAsNumbers) {
    Table table;
    struct Case {
        int row;
        int column;
        const char* typed;
        bool taken;
        double value;
    };
    // A value no loaded file could hold, or text that is not wholly a
    // number, is refused: the cell keeps its own.
    const Case cases[] = {
        {0, 1, "88.5", true, 88.5},   {1, 2, "-3", true, -3},     {2, 3, "50%", false, 0},
        {1, 1, "abc", false, 0},      {1, 1, "12abc", false, 0},  {1, 1, "", false, 0},
        {2, 3, " +2.5e1 ", true, 25}, {1, 0, "12", false, 0},     {3, 1, "12", false, 0},
        {0, 1, "100", true, 100},     {0, 1, "0", true, 0},       {0, 1, "150", false, 0},
        {0, 1, "-0.5", false, 0},     {0, 1, "100.01", false, 0}, {0, 1, "1e999", false, 0},
        {0, 1, "inf", false, 0},      {0, 1, "nan", false, 0},    {1, 2, "-150", true, -150},
        {1, 2, "1e999", false, 0},    {2, 3, "-inf", false, 0},   {2, 3, " +2.5e1x", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        table.edits.clear();
        const auto shown = table.at(c.row, c.column);
        const bool taken = table.model.setData(table.model.index(c.row, c.column), QString::fromUtf8(c.typed));
        EXPECT_EQ(taken, c.taken);
        if (c.taken) {
            EXPECT_EQ(table.edits, (std::vector<std::tuple<int, int, double>>{{c.row, c.column, c.value}}));
        } else {
            EXPECT_TRUE(table.edits.empty());
            EXPECT_EQ(table.at(c.row, c.column), shown);
        }
    }
    EXPECT_FALSE(table.model.flags(table.model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(MeasurementTableModel::editedRow({50, 0, 0}, MeasurementTableModel::labBColumn,
                                                  std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(MeasurementTableModel::editedRow({50, 0, 0}, MeasurementTableModel::labAColumn, 2),
              (curves::CIELab{50, 2, 0}));
    EXPECT_TRUE(table.model.flags(table.model.index(0, 1)) & Qt::ItemIsEditable);
}

} // namespace appui
