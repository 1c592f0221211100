#include "viewer/shell/main_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <fstream>
#include <sstream>
#include <vector>


#include "tests/support/scratch_directory.hpp"
#include "tests/viewer/windows/qt_test_support.hpp"

namespace vexplot {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedDialogs;
using Box = ScriptedDialogs::Box;

constexpr std::string_view kTwoFramePlot =
    "SET LIMIT X FROM 0 TO 10 Y FROM 0 TO 10\n1 1\n5 5\n9 2\nJOIN\n"
    "NEWFRAME\nSET LIMIT X FROM 0 TO 10 Y FROM 0 TO 10\n1 1\n9 9\nJOIN\n";

// A main window with its settings in a directory of its own that stands
// for the program's directory, and a plot file of two frames there.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    testing::ensureQtApplication();
    fs::create_directories(directory_ / "bin");
    plot_ = writeFile("plot.vpt", kTwoFramePlot);
    settings_ = loadSettings({directory_ / "bin", {}, true}, kScreen);
  }

  ~MainWindowTest() override { window_.reset(); }

  fs::path writeFile(const std::string& name, std::string_view text) {
    std::ofstream(directory_ / name, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
    return directory_ / name;
  }

  MainWindow& window() {
    if (!window_) window_ = std::make_unique<MainWindow>(settings_, dialogs_, kScreen);
    return *window_;
  }

  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  void startWith(const fs::path& file) { window().start("\"" + file.string() + "\""); }

  // Waits until the interpretation has ended.
  bool waitLoaded() {
    return QTest::qWaitFor([&] { return window().state().fileState == FileState::kLoaded; }, 60000);
  }

  bool enabled(int command) { return window().action(command)->isEnabled(); }

  std::vector<PlotWindow*> windowsOfKind(FrameKind kind) {
    std::vector<PlotWindow*> found;
    for (PlotWindow* shown : window().session().windows()) {
      if (shown->kind() == kind) found.push_back(shown);
    }
    return found;
  }

  static constexpr ScreenSize kScreen{1920, 1080};
  test_support::ScratchDirectory scratch_{"vexplot_main"};
  fs::path directory_ = scratch_.path();
  fs::path plot_;
  LoadedSettings settings_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, MenuEnablingFollowsTheFileState) {
  EXPECT_EQ(window().windowTitle(), "VexplotW");
  EXPECT_EQ(window().action(MainWindow::kReopenFile)->text(), "Re-Open File(&R)");
  EXPECT_TRUE(enabled(MainWindow::kOpenFile));
  EXPECT_TRUE(enabled(MainWindow::kCloseFile));
  EXPECT_FALSE(enabled(MainWindow::kReopenFile));
  EXPECT_FALSE(enabled(MainWindow::kOpenLogFile));
  EXPECT_TRUE(enabled(MainWindow::kSettings));

  // What the menu shows while the file is interpreted.
  std::vector<bool> whileRunning;
  QObject::connect(&window().session(), &PlotSession::message, [&] {
    if (!whileRunning.empty()) return;
    for (int command : {MainWindow::kOpenFile, MainWindow::kReopenFile, MainWindow::kCloseFile,
                        MainWindow::kOpenLogFile, MainWindow::kSettings, MainWindow::kQuit}) {
      whileRunning.push_back(enabled(command));
    }
  });
  startWith(plot_);
  EXPECT_EQ(window().state().fileState, FileState::kInterpreting);
  EXPECT_FALSE(window().acceptDrop(std::vector<fs::path>{plot_}));  // refused while interpreting
  ASSERT_TRUE(waitLoaded());
  EXPECT_EQ(whileRunning, (std::vector<bool>{false, false, false, false, true, true}));
  EXPECT_TRUE(enabled(MainWindow::kReopenFile));
  EXPECT_TRUE(enabled(MainWindow::kOpenLogFile));
  EXPECT_TRUE(fs::exists(directory_ / "bin" / "vexplot.log"));

  // Once an editor has been started on the log, the item is greyed from the
  // next interpretation on.
  settings_.active.record.editorPath = "true";
  window().runCommand(MainWindow::kOpenLogFile);
  EXPECT_TRUE(window().state().editorStarted);
  EXPECT_TRUE(dialogs_.boxes.empty());
  window().runCommand(MainWindow::kReopenFile);
  EXPECT_EQ(dialogs_.questions.back(), (Box{"Re-Open File", "Reopen the same file ?"}));
  ASSERT_TRUE(waitLoaded());
  EXPECT_TRUE(enabled(MainWindow::kReopenFile));
  EXPECT_FALSE(enabled(MainWindow::kOpenLogFile));
}

TEST_F(MainWindowTest, OpenLogFileStaysGreyedWithoutALog) {
  settings_.active.record.logFileLoc = 0;
  settings_.active.logPath.clear();
  startWith(plot_);
  ASSERT_TRUE(waitLoaded());
  EXPECT_FALSE(enabled(MainWindow::kOpenLogFile));
  EXPECT_FALSE(fs::exists(directory_ / "bin" / "vexplot.log"));
}

TEST_F(MainWindowTest, EachDrawnFrameHasAReadyWindowAndClosingOneReleasesItsFrame) {
  startWith(plot_);
  ASSERT_TRUE(waitLoaded());
  std::vector<PlotWindow*> shown = window().session().windows();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0]->windowTitle(), "#0 plot");
  EXPECT_EQ(shown[1]->windowTitle(), "#1 plot");
  for (PlotWindow* plot : shown) {
    EXPECT_TRUE(plot->isReady());
    EXPECT_EQ(plot->statusText(0), "Ready");
    EXPECT_TRUE(plot->popupContext().fileFinished);
  }
  // 520 by 400 pixels: the 13 by 10 page fits exactly.
  EXPECT_EQ(shown[0]->canvas().size(), QSize(520, 400));
  EXPECT_EQ(window().session().frameCount(), 2);
  shown[0]->close();
  QApplication::processEvents();
  EXPECT_EQ(window().session().windows().size(), 1u);
  EXPECT_EQ(window().session().frameCount(), 1);
  EXPECT_NE(window().textLog().lineCount(), 0u);
}

TEST_F(MainWindowTest, DroppingTwoFilesOrADirectoryKeepsThePlots) {
  startWith(plot_);
  ASSERT_TRUE(waitLoaded());
  const fs::path other = writeFile("other.vpt", "SET LIMIT X 0 1 Y 0 1\n0 0\n1 1\nJOIN\n");

  EXPECT_FALSE(window().acceptDrop(std::vector<fs::path>{plot_, other}));
  EXPECT_EQ(dialogs_.boxes.back(), (Box{"Error", "You can drop only one file."}));
  EXPECT_FALSE(window().acceptDrop(std::vector<fs::path>{directory_}));
  EXPECT_EQ(dialogs_.boxes.back(), (Box{"Error", "You can't drop a directory"}));
  EXPECT_TRUE(dialogs_.questions.empty());
  EXPECT_EQ(window().state().fileState, FileState::kLoaded);
  EXPECT_EQ(window().session().windows().size(), 2u);

  // A good file, after the question, replaces the plots.
  dialogs_.answers = {false};
  EXPECT_FALSE(window().acceptDrop(std::vector<fs::path>{other}));
  EXPECT_EQ(window().session().windows().size(), 2u);
  EXPECT_TRUE(window().acceptDrop(std::vector<fs::path>{other}));
  EXPECT_EQ(dialogs_.questions.back(), (Box{"Open new file", "Close the opened file ?"}));
  ASSERT_TRUE(waitLoaded());
  ASSERT_EQ(window().session().windows().size(), 1u);
  EXPECT_EQ(window().session().windows()[0]->windowTitle(), "#0 other");
  EXPECT_EQ(window().state().inputPath, other);
}

TEST_F(MainWindowTest, ChoosingSimplexTwiceShowsOneTable) {
  window().runCommand(MainWindow::kShowSimplex);
  window().runCommand(MainWindow::kShowSimplex);
  std::vector<PlotWindow*> tables = windowsOfKind(kSimplexTable);
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0]->windowTitle(), "SIMPLEX Font Table");
  EXPECT_TRUE(tables[0]->isReady());
  EXPECT_EQ(tables[0]->frame()->frameNumber, 1);
  window().runCommand(MainWindow::kShowColourTable);
  EXPECT_EQ(windowsOfKind(kColourTable).size(), 1u);
  EXPECT_EQ(window().session().frameCount(), 2);

  // A closed table can be shown again; a file's frames do not hide it.
  tables[0]->close();
  QApplication::processEvents();
  EXPECT_TRUE(windowsOfKind(kSimplexTable).empty());
  startWith(plot_);
  ASSERT_TRUE(waitLoaded());
  window().runCommand(MainWindow::kShowSimplex);
  EXPECT_EQ(windowsOfKind(kSimplexTable).size(), 1u);
}

TEST_F(MainWindowTest, OpenAndCloseAskBeforeDiscardingThePlots) {
  dialogs_.fileToOpen = plot_.string();
  window().runCommand(MainWindow::kOpenFile);
  ASSERT_EQ(dialogs_.openRequests.size(), 1u);
  EXPECT_EQ(dialogs_.openRequests[0].title, "Specify Vexplotter input file");
  EXPECT_EQ(dialogs_.openRequests[0].filterLabel, "VP files(*.vpx,*.vpt)");
  EXPECT_EQ(dialogs_.openRequests[0].patterns, "*.vpx *.vpt");
  EXPECT_TRUE(dialogs_.questions.empty());
  ASSERT_TRUE(waitLoaded());

  dialogs_.answers = {false};
  window().runCommand(MainWindow::kOpenFile);
  EXPECT_EQ(dialogs_.questions.back(), (Box{"Open New File", "Close the present file ?"}));
  EXPECT_EQ(dialogs_.openRequests.size(), 1u);
  EXPECT_EQ(window().session().windows().size(), 2u);

  window().runCommand(MainWindow::kCloseFile);
  EXPECT_EQ(dialogs_.questions.back(), (Box{"Close File", "Close the present file ?"}));
  EXPECT_EQ(window().state().fileState, FileState::kNothingLoaded);
  EXPECT_TRUE(window().session().windows().empty());
  EXPECT_EQ(window().session().frameCount(), 0);
  // Nothing to close now, and nothing asked.
  const std::size_t asked = dialogs_.questions.size();
  window().runCommand(MainWindow::kCloseFile);
  EXPECT_EQ(dialogs_.questions.size(), asked);
  EXPECT_TRUE(enabled(MainWindow::kReopenFile));
}

TEST_F(MainWindowTest, QuittingDuringAnInterpretationStopsItAndSavesTheSettings) {
  std::ostringstream big;
  for (int frame = 0; frame < 400; ++frame) {
    big << "NEWFRAME\nSET LIMIT X FROM 0 TO 400 Y FROM 0 TO 400\n";
    for (int i = 0; i < 400; ++i) big << i << ' ' << (i * 7 + frame) % 400 << '\n';
    big << "JOIN\n";
  }
  startWith(writeFile("big.vpt", big.str()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window().session().windows().empty(); }, 60000));

  dialogs_.answers = {false};
  window().runCommand(MainWindow::kQuit);
  EXPECT_EQ(dialogs_.questions.back(), (Box{"Exit", "Exit Vexplot ?"}));
  EXPECT_TRUE(window().session().isInterpreting() || window().state().fileState == FileState::kLoaded);

  window().runCommand(MainWindow::kQuit);
  EXPECT_FALSE(window().session().isInterpreting());
  EXPECT_TRUE(window().session().windows().empty());
  EXPECT_EQ(window().session().frameCount(), 0);
  std::ifstream saved(directory_ / "bin" / "vexplot.ini");
  std::string first;
  std::getline(saved, first);
  EXPECT_EQ(first, "screen_dot_x=520");
}

TEST_F(MainWindowTest, PostScriptFromThePopupMenu) {
  startWith(plot_);
  ASSERT_TRUE(waitLoaded());
  PlotWindow* second = window().session().windows().at(1);
  dialogs_.fileToSave = (directory_ / "out" / "frame.eps").string();
  fs::create_directories(directory_ / "out");
  second->choosePopupItem(kItemPostScript);
  ASSERT_EQ(dialogs_.saveRequests.size(), 1u);
  const FileDialogRequest& request = dialogs_.saveRequests[0];
  EXPECT_EQ(request.title, "Specify postscript output file");
  EXPECT_EQ(request.filterLabel, "PS files(*.eps,*.ps)");
  EXPECT_EQ(request.initialFile, "plot1");
  EXPECT_EQ(request.defaultSuffix, "eps");
  EXPECT_EQ(request.directory, directory_.string() + "/");
  EXPECT_TRUE(second->exportBusy());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !second->exportBusy(); }, 60000));
  EXPECT_EQ(dialogs_.boxes.back(), (Box{"Postscript", "Postscript output done."}));
  std::ifstream eps(directory_ / "out" / "frame.eps");
  std::string first;
  std::getline(eps, first);
  EXPECT_EQ(first, "%!PS-Adobe-2.0 EPSF-2.0");
  EXPECT_EQ(settings_.active.postscriptDirectory, (directory_ / "out").string() + "/");

  // Cancelling the save dialog writes nothing and shows nothing.
  dialogs_.fileToSave.reset();
  second->choosePopupItem(kItemPostScript);
  EXPECT_FALSE(second->exportBusy());
  EXPECT_EQ(dialogs_.saveRequests.back().directory, (directory_ / "out").string() + "/");
}

TEST_F(MainWindowTest, AnExportRunsWhileItsWindowChangesItsViewOrCloses) {
  std::ostringstream long_curve;
  long_curve << "SET LIMIT X FROM 0 TO 20000 Y FROM 0 TO 100\n";
  for (int i = 0; i < 20000; ++i) long_curve << i << ' ' << (i * 37) % 100 << '\n';
  long_curve << "JOIN\nNEWFRAME\nSET LIMIT X 0 1 Y 0 1\n0 0\n1 1\nJOIN\n";
  startWith(writeFile("long.vpt", long_curve.str()));
  ASSERT_TRUE(waitLoaded());
  PlotWindow* first = window().session().windows().at(0);

  // The export writes the view of the moment it started, the whole page,
  // while the window zooms and moves on.
  dialogs_.fileToSave = (directory_ / "page.eps").string();
  first->choosePopupItem(kItemPostScript);
  int changes = 0;
  while (first->exportBusy()) {
    first->zoomAt(QPointF(100 + changes % 300, 150), changes % 2 == 0 ? kZoomStep : 1.0 / kZoomStep);
    first->panBy(QPointF(3, -2));
    ++changes;
    QApplication::processEvents();
  }
  EXPECT_GT(changes, 0);
  EXPECT_EQ(dialogs_.boxes.back(), (Box{"Postscript", "Postscript output done."}));
  std::ifstream eps(directory_ / "page.eps");
  std::string line;
  for (int i = 0; i < 3; ++i) std::getline(eps, line);
  EXPECT_EQ(line, "%%BoundingBox: 37 30 754 582");

  // A window closed during its export: the export ends with the frame it
  // holds, and nothing is reported to the window that is gone.
  const std::size_t boxes = dialogs_.boxes.size();
  dialogs_.fileToSave = (directory_ / "closed.svg").string();
  first->choosePopupItem(kItemPostScript);
  first->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(directory_ / "closed.svg"); }, 60000));
  window().session().closeAll();
  EXPECT_EQ(dialogs_.boxes.size(), boxes);
  EXPECT_NE(read(directory_ / "closed.svg").find("</svg>"), std::string::npos);
}

TEST_F(MainWindowTest, AFileThatCannotBeOpenedLoadsNothingAndSaysSo) {
  startWith(directory_ / "missing.vpt");
  ASSERT_TRUE(waitLoaded());
  EXPECT_TRUE(window().session().windows().empty());
  const TextLog& log = window().textLog();
  EXPECT_EQ(log.line(log.lineCount() - 1),
            "[vpmain] Unable to open input file " + (directory_ / "missing.vpt").string());
}

TEST_F(MainWindowTest, AFollowedFileIsReadAgainWholeAndItsWindowsStayInPlace) {
  settings_.active.record.reloadOnChange = 1;
  EXPECT_TRUE(window().action(MainWindow::kReloadOnChange)->isChecked());
  EXPECT_EQ(window().action(MainWindow::kReloadOnChange)->text(), "Reload when the file changes");
  int readings = 0;
  QObject::connect(&window().session(), &PlotSession::message, [&](const QString& text) {
    readings += text.contains("] Input file ") ? 1 : 0;
  });
  startWith(plot_);
  ASSERT_TRUE(waitLoaded());
  PlotWindow* first = window().session().windows().at(0);
  first->move(123, 45);
  first->resize(300, 250);
  const QRect placed = first->geometry();
  const auto shows = [&](std::size_t frames) {
    return QTest::qWaitFor([&] {
      return window().state().fileState == FileState::kLoaded && window().session().windows().size() == frames;
    }, 60000);
  };

  // The solver's way: the new file is written beside the old one and takes
  // its name in one step. It is read without a question.
  const std::string threeFrames = std::string(kTwoFramePlot) + "NEWFRAME\nSET LIMIT X 0 1 Y 0 1\n0 0\n1 1\nJOIN\n";
  writeFile("plot.vpt.new", threeFrames);
  fs::rename(directory_ / "plot.vpt.new", plot_);
  ASSERT_TRUE(shows(3));
  EXPECT_EQ(readings, 2);
  EXPECT_TRUE(dialogs_.questions.empty());
  EXPECT_EQ(window().session().windows().at(0)->geometry(), placed);

  // A slow writer: the file grows a line every 50 ms and is read once,
  // when it is complete.
  {
    std::ofstream out(plot_, std::ios::trunc);
    std::istringstream lines(threeFrames + "NEWFRAME\nSET LIMIT X 0 2 Y 0 2\n0 0\n2 1\nJOIN\n");
    for (std::string line; std::getline(lines, line);) {
      out << line << '\n' << std::flush;
      QTest::qWait(50);
    }
  }
  ASSERT_TRUE(shows(4));
  QTest::qWait(2 * FileFollower::kQuietMoment.count());
  EXPECT_EQ(readings, 3);

  // While a popup menu is open the windows stay; the change
  // is read once it has closed.
  QMenu menu;
  menu.addAction("Cancell");
  menu.popup(QPoint(10, 10));
  writeFile("plot.vpt", threeFrames);
  QTest::qWait(2 * FileFollower::kQuietMoment.count());
  EXPECT_EQ(readings, 3);
  menu.close();
  ASSERT_TRUE(shows(3));
  EXPECT_EQ(readings, 4);

  // Switched off, the item is remembered and a change is left alone.
  window().runCommand(MainWindow::kReloadOnChange);
  EXPECT_FALSE(window().action(MainWindow::kReloadOnChange)->isChecked());
  EXPECT_EQ(settings_.active.record.reloadOnChange, 0);
  writeFile("plot.vpt", kTwoFramePlot);
  QTest::qWait(2 * FileFollower::kQuietMoment.count());
  EXPECT_EQ(window().session().windows().size(), 3u);
  EXPECT_EQ(readings, 4);
}

TEST_F(MainWindowTest, HelpWithoutItsFileShowsTheSystemError) {
  window().runCommand(MainWindow::kHelp);
  EXPECT_EQ(dialogs_.boxes.back(), (Box{"WinHelp failed", "ENOENT"}));
}

}  // namespace
}  // namespace vexplot
