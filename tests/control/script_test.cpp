// The script runner: statements by name on a control, events, and bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/script_runner.h"

namespace torvane3d_cli {
namespace {

struct ScriptRun {
  std::string out, err;
  int failures = 0;
};

ScriptRun run(const std::string &script, std::shared_ptr<tc3d::Chart3D> chart = nullptr) {
  if (!chart) {
    chart = tc3d::Chart3D::create(nullptr, {300, 200});
    chart->open_window();
  }
  std::ostringstream out, err;
  ScriptRunner runner(chart, out, err);
  std::istringstream in(script);
  ScriptRun r;
  r.failures = runner.run(in);
  r.out = out.str();
  r.err = err.str();
  return r;
}

TEST(Script, PropertiesMethodsAndPaths) {
  const ScriptRun r =
      run("' comment\n"
          "# comment\n"
          "\n"
          "print IsBatched\n"
          "IsBatched = True\n"
          "print isbatched\n"
          "IsBatched = False\n"
          "PreviewMethod = tc3dPreviewFull\n"
          "print PreviewMethod\n"
          "UseTrueType = \"True\"\n"
          "print UseTrueType\n"
          "print Header.Parent.Footer.Parent.ErrorOffset\n"
          "ShowChartEditorElement 5, False\n"
          "print IsChartEditorElementVisible(5)\n"
          "print ShowChartEditorElement(5, True)\n"
          "print IsChartEditorElementVisible(tc3dceeTitles)\n"
          "print \"say \"\"hi\"\"\"\n"
          "print 2.5\n");
  EXPECT_EQ(r.failures, 0) << r.err;
  EXPECT_EQ(r.out, "False\nTrue\n100\nTrue\n10000\nFalse\nFalse\nTrue\nsay \"hi\"\n2.5\n");
}

TEST(Script, ErrorsPrintTheStatementStatusAndDescriptionAndTheRunGoesOn) {
  const ScriptRun r = run("PreviewMethod = 50\nprint PreviewMethod\n");
  EXPECT_EQ(r.failures, 1);
  EXPECT_EQ(r.err, "line 1: PreviewMethod = 50\nerror 0x800A2713: Enumerated value not within range.\n");
  EXPECT_EQ(r.out, "0\n");
}

TEST(Script, BadStatementsGiveAClearErrorEach) {
  struct Case {
    const char *statement, *error;
  };
  const Case cases[] = {
      {"Depth = 3", "error 0x80020006: 'Depth' is not a member of Chart3D."},
      {"print Header.Depth", "error 0x80020006: 'Depth' is not a member of ITitle."},
      {"Refresh(1)", "error 0x8002000E: Refresh takes 0 arguments, not 1."},
      {"print IsChartEditorElementVisible()",
       "error 0x8002000E: IsChartEditorElementVisible takes 1 arguments, not 0."},
      {"ShowChartEditorElement 1, 2, 3", "error 0x8002000E: ShowChartEditorElement takes 2 arguments, not 3."},
      {"UseTrueType = \"maybe\"", "error 0x80020005: Type mismatch."},
      {"print IsChartEditorElementVisible(\"x\")", "error 0x80020005: Type mismatch."},
      {"print IsChartEditorElementVisible(100000)", "error 0x8002000A: Out of present range."},
      {"Header = 3", "error 0x800A017F: Set not supported (read-only property)."},
      {"print IsBatched.Parent", "error 0x80020005: 'IsBatched' is not an object"},
      {"print \"open", "error: the string has no closing quote"},
      {"print Header(", "error: a value is missing"},
      {"print Header.Parent)", "error: unexpected ')'"},
      {"print IsChartEditorElementVisible(1", "error: expected ')' at the end"},
      {"IsBatched =", "error: a value is missing"},
      {"IsBatched = Maybe", "error: 'Maybe' is not a value (a number, a \"string\", True, False or a constant)"},
      {"= 3", "error: '=' is not a name"},
      {"on Nothing print", "error: 'Nothing' is not an event of Chart3D"},
      {"on Resize", "error: 'on EVENT' is followed by 'print'"},
      {"on Resize print Width = 1", "error: 'Width' of Resize is not passed by reference"},
      {"on ModifyStart print IsOK", "error: expected '=' at the end"},
      {"print @", "error: '@' is not part of a statement"},
  };
  for (const Case &c : cases) {
    const ScriptRun r = run(c.statement);
    EXPECT_EQ(r.failures, 1) << c.statement;
    EXPECT_EQ(r.err, "line 1: " + std::string(c.statement) + "\n" + c.error + "\n") << c.statement;
  }
}

TEST(Script, HugeLinesAndDeepPaths) {
  // A 1 MB string goes where a string goes; a 1 MB line of garbage fails.
  const std::string big(1 << 20, 'x');
  ScriptRun r = run("print \"" + big + "\"\n");
  EXPECT_EQ(r.failures, 0);
  EXPECT_EQ(r.out.size(), big.size() + 1);
  r = run(big + "\n");
  EXPECT_EQ(r.failures, 1);
  EXPECT_LT(r.err.size(), 500u);  // the statement and the message are shown shortened
  r = run(std::string(1 << 20, '(') + "\n");
  EXPECT_EQ(r.failures, 1);
  r = run("print \"" + std::string(1 << 20, '"') + "\n");
  EXPECT_EQ(r.failures, 1);
  // 100,000 steps down and up the tree.
  std::string deep = "print Header";
  for (int i = 0; i < 100000; ++i) deep += ".Parent.Header";
  r = run(deep + ".Parent.IsBatched\n");
  EXPECT_EQ(r.failures, 0) << r.err.substr(0, 200);
  EXPECT_EQ(r.out, "False\n");
}

TEST(Script, EventHandlersPrintAndSetByReferenceArguments) {
  auto chart = tc3d::Chart3D::create(nullptr, {300, 200});
  chart->open_window();
  auto &window = *reinterpret_cast<Vex3dWindow *>(static_cast<std::uintptr_t>(chart->hWnd()));
  int start = 1;
  {
    std::ostringstream out, err;
    ScriptRunner runner(chart, out, err);
    std::istringstream in("on Repaint print\non ModifyStart print IsOK = False\nRefresh\n");
    EXPECT_EQ(runner.run(in), 0) << err.str();
    // What the engine's window sends at the start of an interaction.
    window.send_to_parent(vex3d::kMessageModifyStart, &start);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(out.str(),
              "event Repaint(Hdc = 0, Left = 0, Top = 0, Width = 300, Height = 200)\n"
              "event ModifyStart(IsOK = True)\n");
  }
  // The runner's handlers left with it.
  start = 1;
  window.send_to_parent(vex3d::kMessageModifyStart, &start);
  EXPECT_EQ(start, 1);
}

TEST(Script, SavesThePage) {
  const auto file = std::filesystem::temp_directory_path() / ("script-" + std::to_string(::getpid()) + ".png");
  const ScriptRun r = run("print SaveImageAsPng(\"" + file.string() + "\", False)\n");
  EXPECT_EQ(r.out, "True\n") << r.err;
  std::ifstream in(file, std::ios::binary);
  char signature[8] = {};
  in.read(signature, 8);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace torvane3d_cli
