#include "app/curves/measurements/MeasurementReaderFactory.h"

#include "app/curves/measurements/CgatsReaders.h"
#include "app/curves/measurements/ColumnReaders.h"

namespace curves {

namespace {

using MakeReader = std::shared_ptr<MeasurementData> (*)(const MeasurementFile& file);

template <class Reader>
std::shared_ptr<MeasurementData> makeReader(const MeasurementFile& file) {
    return std::make_shared<Reader>(file.measurementData, true);
}

// The only reader whose splitting depends on the file: tabs or commas.
std::shared_ptr<MeasurementData> makeDataToolReader(const MeasurementFile& file) {
    return std::make_shared<DataToolCIELabFile>(file.measurementData, true, file.isCSV);
}

struct ReaderOfKind {
    MeasurementKind kind;
    MakeReader make;
};

constexpr ReaderOfKind readers[] = {
    {MeasurementKind::cgats, makeReader<CgatsCIELab>},
    {MeasurementKind::ti3, makeReader<ArgyllCIELab>},
    {MeasurementKind::spyderPrintCgats, makeReader<SpyderPrintCgatsCIELab>},
    {MeasurementKind::dataTool, makeDataToolReader},
    {MeasurementKind::spyderPrint, makeReader<MiscMeasurementDataFile>},
    {MeasurementKind::qtrLinearizeData, makeReader<QTRLinearizeDataCIELabFile>},
    {MeasurementKind::stepWedgeTool, makeReader<StepWedgeToolCIELabFile>},
    {MeasurementKind::miscWithHeader, makeReader<MiscMeasurementDataFile>},
    {MeasurementKind::tsmCIELab, makeReader<TSMCIELabFile>},
};

} // namespace

std::shared_ptr<MeasurementData> makeMeasurementReader(MeasurementKind kind, const MeasurementFile& file) {
    for (const auto& reader : readers)
        if (reader.kind == kind) return reader.make(file);
    return nullptr;
}

} // namespace curves
