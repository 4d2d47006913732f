#pragma once
// Files and finders for the tests of the linearization screen.
#include <QAbstractButton>
#include <QString>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_files.h"

namespace appui::uitest {

// A K wedge as a photographer's Lab list (GRAY LAB_L LAB_A LAB_B), one row
// per L* value at even steps; comma-separated in a .csv file, else by tabs.
inline std::filesystem::path labListFile(const test_support::ScratchDirectory& dir, const std::string& name,
                                         const std::vector<double>& lightness) {
    const std::string s = name.ends_with(".csv") ? "," : "\t";
    std::string text = "GRAY" + s + "LAB_L" + s + "LAB_A" + s + "LAB_B\n";
    for (std::size_t i = 0; i < lightness.size(); ++i)
        text += std::to_string(100.0 * static_cast<double>(i) / static_cast<double>(lightness.size() - 1)) + s +
                std::to_string(lightness[i]) + s + "0.10" + s + "-1.00\n";
    const auto file = dir.file(name);
    test_support::writeBytes(file, text);
    return file;
}

// The same wedge in the list format this program writes itself ("Tintsmith
// CIELab", one row per step).
inline std::filesystem::path ownLabFile(const test_support::ScratchDirectory& dir, const std::string& name,
                                        const std::vector<double>& lightness) {
    std::string text = "Tintsmith CIELab\nStep\tL\ta\tb\n";
    for (std::size_t i = 0; i < lightness.size(); ++i)
        text += std::to_string(i) + "\t" + std::to_string(lightness[i]) + "\t0.10\t-1.00\n";
    const auto file = dir.file(name);
    test_support::writeBytes(file, text);
    return file;
}

// A 21-step wedge that prints the midtones too dark.
inline std::vector<double> darkMidtones(int steps = 21) {
    std::vector<double> L;
    for (int i = 0; i < steps; ++i) L.push_back(95 - 80 * std::pow(static_cast<double>(i) / (steps - 1), 0.75));
    return L;
}

// A .quad of the given header's inks, K a straight ramp to 13762, the other
// inks at a tenth of that.
inline std::filesystem::path quadFile(const test_support::ScratchDirectory& dir, const std::string& name,
                                      const std::vector<std::string>& inks) {
    std::string header = "## QuadToneRIP ";
    for (std::size_t i = 0; i < inks.size(); ++i) header += (i ? "," : "") + inks[i];
    std::string text = header + "\n# made by the test\n# second note\n";
    for (std::size_t k = 0; k < inks.size(); ++k) {
        text += "# " + inks[k] + " Curve\n";
        for (int i = 0; i < 256; ++i) text += std::to_string((k == 0 ? 13762 : 1376) * i / 255) + "\n";
    }
    const auto file = dir.file(name);
    test_support::writeBytes(file, text);
    return file;
}

inline const std::vector<std::string> eightInks{"K", "C", "M", "Y", "LC", "LM", "LK", "LLK"};
inline const std::vector<std::string> fourInks{"K", "C", "M", "Y"};
inline const std::vector<std::string> tenInksOrange{"K", "C", "M", "Y", "LC", "LM", "LK", "LLK", "OR", "GR"};
inline const std::vector<std::string> tenInksViolet{"K", "C", "M", "Y", "LC", "LM", "LK", "LLK", "V", "MK"};

} // namespace appui::uitest

#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "Charts/types/line/LineChartData.h"
#include "app/curves/core/NotificationNames.h"
#include "app/ui/graphs/MeasurementGraph.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/ui/ui_test_support.h"

namespace appui::uitest {

// The screen's measurement table, as the user edits it.
inline QAbstractItemModel* tableOf(const qcv2LinearizationViewController& screen) {
    return screen.findChild<QTableView*>(QStringLiteral("ogMeasurementTableView"))->model();
}

// A screen shown offscreen with scripted panels and alerts.
class LinearizationScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen = std::make_unique<qcv2LinearizationViewController>();
        screen->resize(1200, 800);
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    }
    void TearDown() override { QTest::keyRelease(screen.get(), Qt::Key_Alt); }

    template <class W>
    W* find(const char* name) const {
        auto* widget = screen->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QString text(const char* name) const {
        if (auto* label = screen->findChild<QLabel*>(QString::fromUtf8(name))) return label->text();
        return find<QLineEdit>(name)->text();
    }

    // The open panel answers with the file, then the button is pressed.
    void loadMeasurements(const std::filesystem::path& file) {
        services.openPanel->answers.push_back(file);
        button("loadMeasurmentData")->click();
    }
    void loadQuad(const std::filesystem::path& file) {
        services.openPanel->answers.push_back(file);
        button("loadQuadFilePressed")->click();
    }
    void moveSlider(const char* name, int position) {
        auto* slider = find<QSlider>(name);
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
    }
    void type(const char* field, const QString& typed) {
        auto* edit = find<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void hoverWithOption(QPushButton* target, bool option) {
        if (option)
            QTest::keyPress(screen.get(), Qt::Key_Alt, Qt::AltModifier);
        else
            QTest::keyRelease(screen.get(), Qt::Key_Alt);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(target, &enter);
    }
    void leave(QPushButton* target) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(target, &event);
    }

    std::shared_ptr<charts::LineChartData> measurementChart() const {
        return std::dynamic_pointer_cast<charts::LineChartData>(screen->measurementGraph->data());
    }
    std::shared_ptr<charts::LineChartData> quadChart() const {
        return std::dynamic_pointer_cast<charts::LineChartData>(screen->quadCurveGraph->data());
    }
    QStringList chartLabels(const std::shared_ptr<charts::LineChartData>& data) const {
        QStringList labels;
        if (data)
            for (const auto& set : data->dataSets()) labels << set->label().value_or(QString());
        return labels;
    }
    curves::v2LinearizationDataModel& model() const { return screen->model; }
    const std::vector<double>& correction() const { return *model().correctionCurve->correctionCurveArray; }

    test_support::ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    PostedObjects ramps{curves::NotificationName::updatedColorInkArrays()};
    std::unique_ptr<qcv2LinearizationViewController> screen;
};

} // namespace appui::uitest
