// The one Qt application of a test process, made before the first test and
// destroyed after the last, on the offscreen platform unless QT_QPA_PLATFORM
// names another. Fonts and the label colour come from the desktop through it;
// settings go to a folder of this process alone, since tests run in parallel,
// under the application's own organisation and name.
//
// Linked as an object library: a QGuiApplication for tests of code that must
// not need widgets, a QApplication when TINTSMITH_TEST_APPLICATION_WIDGETS is
// defined.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#ifdef TINTSMITH_TEST_APPLICATION_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qGuiApp != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        settings_ = std::filesystem::temp_directory_path() / ("tintsmith-tests-" + std::to_string(::getpid()));
        // Not QStandardPaths' test mode: it sends every process's settings to
        // one shared folder in the home directory, whatever XDG_CONFIG_HOME says,
        // and one test's Open Recent list then shows in another's window.
        ::setenv("XDG_CONFIG_HOME", settings_.c_str(), 1);
        application_ = std::make_unique<TestApplication>(argc_, argv_);
        TestApplication::setOrganizationName(QStringLiteral("Vellumcrest"));
        TestApplication::setApplicationName(QStringLiteral("Tintsmith"));
    }

    void TearDown() override {
        application_.reset();
        std::error_code ignored;
        if (!settings_.empty()) std::filesystem::remove_all(settings_, ignored);
    }

private:
    int argc_ = 1;
    char name_[16] = "tintsmith_tests";
    char* argv_[2] = {name_, nullptr};
    std::filesystem::path settings_;
    std::unique_ptr<TestApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
