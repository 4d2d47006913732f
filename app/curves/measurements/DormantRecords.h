#pragma once
#include <string>
#include <vector>

#include "app/curves/core/CIELab.h"

namespace curves {

// Records that carry fields only: kept so that stored layouts and callers
// that name them stay whole, though nothing in the program creates them.

using CurveList = std::vector<std::vector<double>>;

struct CurveLimiter {
    CurveList inputCurves;
    int mainHighLimit = 0;
    int mainLowLimit = 0;
    std::vector<double> limitXValues;
    CurveList limitedCurves;
    CurveList outputCurves;
};

struct TonerInkLimiter {
    std::vector<double> inputValues;
    std::vector<double> outputValues;
    int limit = 0;
    std::vector<double> limitXValues;
    std::vector<double> limitedYValues;
};

struct ColorInkLimiter {
    std::vector<CIELab> inputCIELab;
    double limit = 0;
    std::vector<double> limitXValues;
    std::vector<CIELab> ouputLimitedCIELab;
    std::vector<double> limitedLightness;
};

struct SmoothQuad {
    std::vector<double> inputQuad;
    std::vector<double> newPoints;
    std::vector<int> stepXIndex;
    std::vector<double> smoothedQuad;
};

struct gutenprintInkXML {
    std::string channelName;
    std::vector<double> quadCurve;
    std::string lookupText;
    std::string channelFileName;
    std::string paperName;
    int counter = 0;
};

struct PrinterModel {
    std::string name;
    std::vector<std::string> printerModelNames;
};

struct LookupScale {
    double startingStepScale = 0;
    std::vector<int> lookupScale21;
    std::vector<int> lookupScale51;
    std::vector<int> lookupScale86;
    std::vector<int> lookupScale128;
    std::vector<int> lookupScale129;
    std::vector<int> lookupScale256;
};

struct Linearization {
    int stepIndexForLin = 0;
    CurveList quadToLinearize;
    std::vector<double> targetArray;
    CurveList linearizedOutputQuadArray;
    std::vector<double> stepArray;
    std::vector<double> step256;
    std::vector<double> stepArray1024;
    int iterations = 0;
};

struct SCTVCorrectionCurve {
    std::vector<double> inputCurve;
    std::vector<double> targetCurve;
    std::vector<double> correctedCurve;
};

struct AutomaticCurveCreationMeasurementDataFile {
    std::string fileName;
    std::vector<std::string> lines;
};

struct ZWCatmullRomCurveD {
    std::vector<double> inputXs;
    std::vector<double> inputYs;
    std::vector<std::vector<double>> outputPoints;
    std::vector<double> outputYs;
};

struct StepArray256 {
    int stepCount = 0;
    double stepValue = 0;
    std::vector<double> stepArray256;
    double targetStepPercentage = 0;
};

struct acvPacker {};

} // namespace curves
