// Fonts and the label colour come from the desktop; a GUI application on the
// offscreen platform supplies them without a window.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class QtGuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qGuiApp != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[12] = "chart_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new QtGuiEnvironment);

} // namespace
