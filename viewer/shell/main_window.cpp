#include "viewer/shell/main_window.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <vector>

#include "viewer/shell/help_launch.hpp"
#include "viewer/windows/settings_dialog.hpp"

namespace vexplot {

namespace {

constexpr const char* kCaption = "VexplotW";

std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace

MainWindow::MainWindow(LoadedSettings& settings, UserDialogs& dialogs, ScreenSize screen)
    : settings_(settings),
      dialogs_(dialogs),
      view_(new MessageView(this)),
      session_(settings.active, dialogs, screen) {
  setWindowTitle(kCaption);
  setGeometry(0, 0, 240, 180);
  buildMenus();
  setCentralWidget(view_);
  view_->appendText(" ");
  connect(&session_, &PlotSession::message, this, &MainWindow::appendMessage);
  connect(&session_, &PlotSession::interpretationEnded, this, &MainWindow::interpretationEnded);
  connect(&session_, &PlotSession::showMainRequested, this, [this] {
    raise();
    activateWindow();
  });
  connect(&session_, &PlotSession::closeFileRequested, this, [this] { runCommand(kCloseFile); });
  connect(&session_, &PlotSession::quitRequested, this, [this] { runCommand(kQuit); });
  // The window's height keeps whole lines of messages.
  setSizeIncrement(1, std::max(fontMetrics().height() + fontMetrics().leading(), 1));
  setAcceptDrops(true);
  enableFileMenu(true);
  followTimer_.setInterval(kFollowIntervalMs);
  connect(&followTimer_, &QTimer::timeout, this, &MainWindow::followFile);
  setReloadOnChange(settings_.active.record.reloadOnChange != 0);
}

MainWindow::~MainWindow() { session_.closeAll(); }

QAction* MainWindow::addCommand(QMenu* menu, const char* text, Command command) {
  QAction* action = menu->addAction(text);
  connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
  actions_[command] = action;
  return action;
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("File(&F)");
  addCommand(file, "Open File(&O)", kOpenFile);
  addCommand(file, "Re-Open File(&R)", kReopenFile);
  addCommand(file, "Close File(&C)", kCloseFile);
  addCommand(file, "Open log file(&L)", kOpenLogFile)->setEnabled(false);
  addCommand(file, "Settings(&S)", kSettings);
  file->addSeparator();
  addCommand(file, "Quit(&X)", kQuit);

  QMenu* view = menuBar()->addMenu("View(&V)");
  QMenu* fonts = view->addMenu("Show Fonts(&T)");
  addCommand(fonts, "Simplex(&S)", kShowSimplex);
  addCommand(fonts, "Duplex(&D)", kShowDuplex);
  addCommand(fonts, "UBCfont(&U)", kShowUbcFont);
  addCommand(view, "Show Color Table(&C)", kShowColourTable);
  view->addSeparator();
  QAction* reload = view->addAction("Reload when the file changes");
  reload->setCheckable(true);
  connect(reload, &QAction::toggled, this, &MainWindow::setReloadOnChange);
  actions_[kReloadOnChange] = reload;

  QMenu* help = menuBar()->addMenu("Help(&H)");
  addCommand(help, "Vexplot Help(&T)", kHelp);
  addCommand(help, "About VexplotW(&A)", kAbout);
}

void MainWindow::start(std::string_view commandLine) {
  const Settings& record = settings_.active.record;
  move(record.mainWndX, record.mainWndY);
  resize(record.mainWndCx, record.mainWndCy);
  const std::string name = commandLineFileName(commandLine);
  if (name.empty()) return;
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(name, error);
  if (error) return;
  setInputFile(path.lexically_normal());
  state_.fileState = FileState::kInterpreting;
  postStartInterpreting();
}

void MainWindow::runCommand(int command) {
  switch (command) {
    case kOpenFile: openFile(); break;
    case kReopenFile: reopenFile(); break;
    case kCloseFile: closeFile(); break;
    case kOpenLogFile: openLogFile(); break;
    case kSettings: runSettingsDialog(this, settings_.active, dialogs_); break;
    case kQuit: quit(); break;
    case kShowSimplex: session_.showTable(kSimplexTable); break;
    case kShowDuplex: session_.showTable(kDuplexTable); break;
    case kShowUbcFont: session_.showTable(kUbcFontTable); break;
    case kShowColourTable: session_.showTable(kColourTable); break;
    case kHelp: showHelp(); break;
    case kReloadOnChange: actions_[kReloadOnChange]->toggle(); break;
    case kAbout: dialogs_.inform(this, "About VexplotW", "VexplotW\nA viewer of plot command files."); break;
    default: break;
  }
}

bool MainWindow::discardPlots(const char* caption, const char* question) {
  if (state_.fileState != FileState::kLoaded) return true;
  if (!dialogs_.confirm(this, caption, question)) return false;
  closeAllPlots();
  state_.fileState = FileState::kNothingLoaded;
  return true;
}

void MainWindow::openFile() {
  if (state_.fileState == FileState::kInterpreting) return;
  if (!discardPlots("Open New File", "Close the present file ?")) return;
  FileDialogRequest request;
  request.title = "Specify Vexplotter input file";
  request.filterLabel = "VP files(*.vpx,*.vpt)";
  request.patterns = "*.vpx *.vpt";
  request.directory = settings_.active.inputDirectory;
  const std::optional<std::string> chosen = dialogs_.chooseFileToOpen(this, request);
  if (!chosen) return;
  setInputFile(std::filesystem::path(*chosen).lexically_normal());
  postStartInterpreting();
}

void MainWindow::reopenFile() {
  if (state_.inputPath.empty() || state_.fileState == FileState::kInterpreting) return;
  if (!discardPlots("Re-Open File", "Reopen the same file ?")) return;
  postStartInterpreting();
}

void MainWindow::closeFile() {
  if (state_.fileState != FileState::kLoaded) return;
  discardPlots("Close File", "Close the present file ?");
}

void MainWindow::openLogFile() {
  if (!state_.logWritten || (editor_ && editor_->isRunning())) return;
  EditorStart started = openLogInEditor(settings_.active.record.editorPath, state_.logPath);
  state_.editorStarted = started.process.has_value();
  if (!started.process) {
    dialogs_.inform(this, started.failure.caption, started.failure.text);
    return;
  }
  editor_ = started.process;
}

void MainWindow::showHelp() {
  if (helpViewer_) helpViewer_->isRunning();  // collects an ended viewer
  HelpStart started = openHelpFile(findHelpFile(settings_.places.programDirectory));
  if (!started.process) {
    dialogs_.inform(this, "WinHelp failed", systemErrorName(started.error));
    return;
  }
  helpViewer_ = started.process;
}

void MainWindow::quit() {
  if (dialogs_.confirm(this, "Exit", "Exit Vexplot ?")) close();
}

void MainWindow::setReloadOnChange(bool on) {
  settings_.active.record.reloadOnChange = on ? 1 : 0;
  actions_[kReloadOnChange]->setChecked(on);
  if (on) {
    follower_.read(fileSignature(input_.inputPath));
    followTimer_.start();
  } else {
    followTimer_.stop();
  }
}

// Only a loaded file is followed: not while it is read, not once closed.
// Nor while a menu or a dialog is open: the plot window that opened it
// would be closed under it.
void MainWindow::followFile() {
  if (state_.fileState != FileState::kLoaded) return;
  if (QApplication::activePopupWidget() != nullptr || QApplication::activeModalWidget() != nullptr) return;
  const FileSignature signature = fileSignature(input_.inputPath);
  if (!follower_.look(signature, FileFollower::Clock::now())) return;
  session_.closeAll(PlotSession::kKeepPlacements);
  startInterpreting();
}

void MainWindow::closeAllPlots() { session_.closeAll(); }

void MainWindow::setInputFile(const std::filesystem::path& path) {
  input_ = deriveInputPaths(path, settings_.active);
  state_.inputPath = input_.inputPath;
  state_.logPath = settings_.active.logPath;
}

void MainWindow::postStartInterpreting() {
  QTimer::singleShot(0, this, &MainWindow::startInterpreting);
}

void MainWindow::startInterpreting() {
  if (session_.isInterpreting()) return;
  follower_.read(fileSignature(input_.inputPath));
  enableFileMenu(false);
  state_.fileState = FileState::kInterpreting;
  InterpretRequest request;
  request.inputPath = input_.inputPath;
  request.inputBaseName = input_.inputBaseName;
  request.logPath = state_.logPath;
  request.plotFrameWidth = settings_.active.record.screenDotX;
  request.plotFrameHeight = settings_.active.record.screenDotY;
  session_.start(input_, request);
}

void MainWindow::interpretationEnded(bool inputOpened, bool logWritten) {
  if (!inputOpened) appendMessage("[vpmain] Unable to open input file " +
                                  QString::fromStdString(input_.inputPath.string()) + "\n");
  state_.logWritten = logWritten;
  state_.fileState = FileState::kLoaded;
  enableFileMenu(true);
}

void MainWindow::enableFileMenu(bool on) {
  const FileMenuEnabling enabling = fileMenuEnabling(state_, on);
  actions_[kOpenFile]->setEnabled(enabling.open);
  actions_[kReopenFile]->setEnabled(enabling.reopen);
  actions_[kCloseFile]->setEnabled(enabling.close);
  actions_[kOpenLogFile]->setEnabled(enabling.openLog);
}

void MainWindow::appendMessage(const QString& text) { view_->appendText(utf8(text)); }

bool MainWindow::acceptDrop(std::span<const std::filesystem::path> files) {
  if (state_.fileState == FileState::kInterpreting) return false;
  const DropCheck check = checkDroppedFiles(files);
  if (!check.accepted) {
    dialogs_.inform(this, check.refusal.caption, check.refusal.text);
    return false;
  }
  if (!discardPlots("Open new file", "Close the opened file ?")) return false;
  setInputFile(check.path);
  postStartInterpreting();
  return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (state_.fileState != FileState::kInterpreting && event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  }
}

// The drop is taken at once; its questions and boxes come after the drag has
// ended.
void MainWindow::dropEvent(QDropEvent* event) {
  std::vector<std::filesystem::path> files;
  for (const QUrl& url : event->mimeData()->urls()) files.emplace_back(utf8(url.toLocalFile()));
  event->acceptProposedAction();
  QTimer::singleShot(0, this, [this, files] { acceptDrop(files); });
}

// The plots close first; then the settings are saved with the window's
// place and size.
void MainWindow::closeEvent(QCloseEvent* event) {
  closeAllPlots();
  writeSettings(settings_.places, settings_.active, {x(), y(), width(), height()});
  event->accept();
}

}  // namespace vexplot
