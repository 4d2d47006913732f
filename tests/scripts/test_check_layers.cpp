// The layering check (scripts/check_layers.sh) on scratch trees with one
// include each, and on the real tree.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/scratch_files.h"
#include "tests/support/shell_commands.h"

namespace {

struct Outcome {
    int status = -1;
    std::string output;
};

Outcome checkLayers(const std::filesystem::path& root) {
    Outcome outcome;
    const std::string script = std::string(TINTSMITH_SOURCE_DIR) + "/scripts/check_layers.sh";
    outcome.status = test_support::runCommand(
        "bash " + test_support::quoted(script) + " " + test_support::quoted(root) + " 2>&1", outcome.output);
    return outcome;
}

TEST(LayerCheck, RealTreeKeepsTheLayering) {
    const auto outcome = checkLayers(TINTSMITH_SOURCE_DIR);
    EXPECT_EQ(outcome.status, 0) << outcome.output;
}

// One file including another; a failure names the file, the line and the rule.
TEST(LayerCheck, IncludesOfHigherLayersFail) {
    const struct {
        const char* name;
        const char* file;
        const char* include; // the header the file includes, made in the tree
        bool keepsLayering;
        const char* message; // part of the failure
    } cases[] = {
        {"curve mathematics on numerics", "app/curves/math/A.cpp", "Numerics/B.h", true, ""},
        {"inks on platform", "app/inks/A.h", "platform/B.h", true, ""},
        {"numerics on curves", "Numerics/A.h", "app/curves/core/B.h", false,
         "Numerics may not include app/curves/core"},
        {"platform on numerics", "platform/A.cpp", "Numerics/B.h", false, "platform may not include Numerics"},
        {"curves on inks", "app/curves/linearization/A.h", "app/inks/B.h", false,
         "app/curves/linearization may not include app/inks"},
        {"curve mathematics on the core", "app/curves/math/A.h", "app/curves/core/B.h", true, ""},
        {"the core on curve mathematics", "app/curves/core/A.h", "app/curves/math/B.h", false,
         "app/curves/core may not include app/curves/math"},
        {"curve mathematics on the correction's steps", "app/curves/math/A.cpp", "app/curves/linearization/B.h", false,
         "app/curves/math may not include app/curves/linearization"},
        {"the quad file on the save road", "app/curves/quad/A.cpp", "app/curves/saving/B.h", true, ""},
        {"the core on the save road", "app/curves/core/A.cpp", "app/curves/saving/B.h", false,
         "app/curves/core may not include app/curves/saving"},
        {"the linearization on exports", "app/curves/linearization/A.cpp", "app/curves/exports/B.h", true, ""},
        {"exports on the linearization", "app/curves/exports/A.cpp", "app/curves/linearization/B.h", false,
         "app/curves/exports may not include app/curves/linearization"},
        {"measurements on the quad file", "app/curves/measurements/A.cpp", "app/curves/quad/B.h", false,
         "app/curves/measurements may not include app/curves/quad"},
        {"the quad file on exports", "app/curves/quad/A.h", "app/curves/exports/B.h", false,
         "app/curves/quad may not include app/curves/exports"},
        {"a file left directly in app/curves", "app/curves/A.cpp", "platform/B.h", false,
         "app/curves/A.cpp: a file directly in app/curves"},
        {"a folder of app/curves that is no layer", "app/curves/extras/A.cpp", "platform/B.h", false,
         "app/curves/extras is in no layer"},
        {"data on foundation", "Charts/data/A.h", "Charts/foundation/B.h", true, ""},
        {"foundation on data", "Charts/foundation/A.h", "Charts/data/B.h", false,
         "Charts/foundation may not include Charts/data"},
        {"drawing on views", "Charts/drawing/A.h", "Charts/views/B.h", false,
         "Charts/drawing may not include Charts/views"},
        {"charts on platform", "Charts/drawing/A.h", "platform/B.h", true, ""},
        {"charts on numerics", "Charts/data/A.h", "Numerics/B.h", false, "Charts/data may not include Numerics"},
        {"curves on charts", "app/curves/core/A.h", "Charts/data/B.h", false,
         "app/curves/core may not include Charts/data"},
        {"a chart kind on views", "Charts/types/line/A.h", "Charts/views/B.h", true, ""},
        {"a chart kind on another", "Charts/types/line/A.h", "Charts/types/bar/B.h", false,
         "Charts/types/line may not include Charts/types/bar"},
        {"views on a chart kind", "Charts/views/A.h", "Charts/types/line/B.h", false,
         "Charts/views may not include Charts/types/line"},
        {"render on a chart kind", "Charts/render/A.cpp", "Charts/types/bar/B.h", false,
         "Charts/render may not include Charts/types/bar"},
        {"data on a chart kind", "Charts/data/A.h", "Charts/types/pie/B.h", false,
         "Charts/data may not include Charts/types/pie"},
        {"foundation on a chart kind", "Charts/foundation/A.cpp", "Charts/types/line/B.h", false,
         "Charts/foundation may not include Charts/types/line"},
        {"the combined chart on a kind", "Charts/combined/A.cpp", "Charts/types/bar/B.h", true, ""},
        {"the combined chart on views", "Charts/combined/A.h", "Charts/views/B.h", true, ""},
        {"a chart kind on the combined chart", "Charts/types/bar/A.h", "Charts/combined/B.h", false,
         "Charts/types/bar may not include Charts/combined"},
        {"views on the combined chart", "Charts/views/A.h", "Charts/combined/B.h", false,
         "Charts/views may not include Charts/combined"},
        {"ui on everything", "app/ui/shell/A.cpp", "Charts/types/line/B.h", true, ""},
        {"ui on the combined chart", "app/ui/graphs/A.cpp", "Charts/combined/B.h", true, ""},
        {"ui on the Qt services", "app/ui/widgets/A.cpp", "platform/qt/B.h", true, ""},
        {"curves on the Qt services", "app/curves/core/A.cpp", "platform/qt/B.h", false,
         "app/curves/core may not include platform/qt"},
        {"inks on the ui", "app/inks/A.h", "app/ui/widgets/B.h", false, "app/inks may not include app/ui/widgets"},
        {"the product on test seams", "app/ui/shell/A.cpp", "platform/testing/B.h", false,
         "app/ui/shell may not include platform/testing"},
        {"the shell on a screen", "app/ui/shell/A.cpp", "app/ui/blending/B.h", true, ""},
        {"the shell on the widgets", "app/ui/shell/A.cpp", "app/ui/widgets/B.h", true, ""},
        {"a screen on the editors", "app/ui/linearization/A.cpp", "app/ui/editors/B.h", true, ""},
        {"linearization on blending", "app/ui/linearization/A.cpp", "app/ui/blending/B.h", false,
         "app/ui/linearization may not include app/ui/blending"},
        {"blending on linearization", "app/ui/blending/A.h", "app/ui/linearization/B.h", false,
         "app/ui/blending may not include app/ui/linearization"},
        {"widgets on graphs", "app/ui/widgets/A.cpp", "app/ui/graphs/B.h", false,
         "app/ui/widgets may not include app/ui/graphs"},
        {"graphs on the preview", "app/ui/graphs/A.cpp", "app/ui/preview/B.h", false,
         "app/ui/graphs may not include app/ui/preview"},
        {"the preview on graphs", "app/ui/preview/A.cpp", "app/ui/graphs/B.h", false,
         "app/ui/preview may not include app/ui/graphs"},
        {"a screen on the shell", "app/ui/blending/A.cpp", "app/ui/shell/B.h", false,
         "app/ui/blending may not include app/ui/shell"},
        {"a file left directly in app/ui", "app/ui/A.cpp", "platform/B.h", false,
         "app/ui/A.cpp: a file directly in app/ui"},
        {"a folder of app/ui that is no layer", "app/ui/dialogs/A.cpp", "platform/B.h", false,
         "app/ui/dialogs is in no layer"},
        {"the product on tests", "platform/A.cpp", "tests/support/b.h", false, "no layer includes tests"},
        {"tests on anything", "tests/curves/test_a.cpp", "platform/testing/B.h", true, ""},
        {"benchmarks on anything", "bench/inks/bench_a.cpp", "app/ui/shell/B.h", true, ""},
        {"a folder that is no layer", "Extras/A.h", "platform/B.h", false, "is in no layer"},
    };
    for (const auto& c : cases) {
        test_support::ScratchDirectory tree;
        test_support::writeBytes(tree.file(c.include), "#pragma once\n");
        test_support::writeBytes(tree.file(c.file),
                                 std::string("#include <vector>\n\n#include \"") + c.include + "\"\n");
        const auto outcome = checkLayers(tree.path());
        EXPECT_EQ(outcome.status == 0, c.keepsLayering) << c.name << "\n" << outcome.output;
        if (!c.keepsLayering) {
            EXPECT_NE(outcome.output.find(std::string(c.file) + ":3:"), std::string::npos) << c.name << "\n"
                                                                                           << outcome.output;
            EXPECT_NE(outcome.output.find(c.message), std::string::npos) << c.name << "\n" << outcome.output;
        }
    }
}

// Includes are found beside the including file first; "../" is followed, and
// headers that are no file of the tree (system headers) are left alone. A
// generated form header is its form, and a form includes its <header> lines.
TEST(LayerCheck, IncludesResolveBesideTheFileThenFromTheRoot) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> files; // path, text
        bool keepsLayering;
    } cases[] = {
        {"a header beside it", {{"Numerics/B.h", ""}, {"Numerics/A.cpp", "#include \"B.h\"\n"}}, true},
        {"up and over",
         {{"app/curves/core/B.h", ""}, {"Numerics/A.cpp", "#include \"../app/curves/core/B.h\"\n"}},
         false},
        {"generated and system headers",
         {{"app/ui/shell/A.cpp", "#include \"ui_Window.h\"\n#include <QWidget>\n"}},
         true},
        {"a form beside it",
         {{"app/ui/blending/Screen.ui", ""}, {"app/ui/blending/A.cpp", "#include \"ui_Screen.h\"\n"}},
         true},
        {"a form of a higher folder",
         {{"app/ui/blending/Screen.ui", ""}, {"app/ui/graphs/A.cpp", "#include \"ui_Screen.h\"\n"}},
         false},
        {"a form of the other screen",
         {{"app/ui/blending/Screen.ui", ""}, {"app/ui/linearization/A.cpp", "#include \"ui_Screen.h\"\n"}},
         false},
        {"a form's widget of a lower folder",
         {{"app/ui/widgets/B.h", ""},
          {"app/ui/blending/Screen.ui", "<customwidget>\n <header>app/ui/widgets/B.h</header>\n</customwidget>\n"}},
         true},
        {"a form's widget of a higher folder",
         {{"app/ui/editors/B.h", ""},
          {"app/ui/widgets/Panel.ui", "<customwidget>\n <header>app/ui/editors/B.h</header>\n</customwidget>\n"}},
         false},
        {"angle brackets", {{"app/inks/B.h", ""}, {"app/curves/quad/A.cpp", "#include <app/inks/B.h>\n"}}, false},
        {"an indented include",
         {{"app/inks/B.h", ""}, {"app/curves/quad/A.cpp", "#if 1\n  #  include \"app/inks/B.h\"\n#endif\n"}},
         false},
    };
    for (const auto& c : cases) {
        test_support::ScratchDirectory tree;
        for (const auto& [path, text] : c.files) test_support::writeBytes(tree.file(path), text);
        const auto outcome = checkLayers(tree.path());
        EXPECT_EQ(outcome.status == 0, c.keepsLayering) << c.name << "\n" << outcome.output;
    }
}

} // namespace
