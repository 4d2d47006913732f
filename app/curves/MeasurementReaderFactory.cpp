#include "app/curves/MeasurementReaderFactory.h"

#include "app/curves/CgatsReaders.h"
#include "app/curves/ColumnReaders.h"

namespace curves {

std::shared_ptr<MeasurementData> makeMeasurementReader(std::string_view kind, const MeasurementFile& file) {
    namespace k = MeasurementKind;
    const auto& lines = file.measurementData;
    if (kind == k::cgats) return std::make_shared<CgatsCIELab>(lines, true);
    if (kind == k::ti3) return std::make_shared<ArgyllCIELab>(lines, true);
    if (kind == k::spyderPrintCgats) return std::make_shared<SpyderPrintCgatsCIELab>(lines, true);
    if (kind == k::dataTool) return std::make_shared<DataToolCIELabFile>(lines, true, file.isCSV);
    if (kind == k::spyderPrint || kind == k::miscWithHeader)
        return std::make_shared<MiscMeasurementDataFile>(lines, true);
    if (kind == k::qtrLinearizeData) return std::make_shared<QTRLinearizeDataCIELabFile>(lines, true);
    if (kind == k::stepWedgeTool) return std::make_shared<StepWedgeToolCIELabFile>(lines, true);
    if (kind == k::tsmCIELab) return std::make_shared<TSMCIELabFile>(lines, true);
    return nullptr;
}

} // namespace curves
