#include "viewer/windows/plot_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "tests/viewer/windows/interpreted_frames.hpp"
#include "tests/viewer/windows/qt_test_support.hpp"
#include "viewer/render/postscript_writer.hpp"

namespace vexplot {
namespace {

using testing::InterpretedFrames;
using testing::kThreeRegionPlot;
using testing::ScriptedDialogs;

// A window showing frame 0 of the two-region plot, complete.
class PlotWindowTest : public ::testing::Test {
 protected:
  PlotWindowTest() {
    testing::ensureQtApplication();
    QImage picture(520, 400, QImage::Format_RGB32);
    picture.fill(Qt::white);
    window_ = std::make_unique<PlotWindow>(0, kPlotFrame, "#0 plot", picture, dialogs_);
    window_->finish(frames_.frame(0).finishedPicture(), picture);
  }

  void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&window_->canvas(), &event);
  }

  void dragRectangle(QPoint from, QPoint to) {
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  }

  void type(char letter) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_A + (letter - 'a'), Qt::NoModifier, QString(QChar(letter)));
    QApplication::sendEvent(&window_->canvas(), &event);
  }

  bool enabled(int item) const {
    return popupItems(window_->popupContext())[static_cast<std::size_t>(item - 1)].enabled;
  }

  InterpretedFrames frames_{kThreeRegionPlot};
  ScriptedDialogs dialogs_;
  std::unique_ptr<PlotWindow> window_;
};

TEST_F(PlotWindowTest, RunningUntilTheFrameIsCompleteThenReady) {
  QImage picture(520, 400, QImage::Format_RGB32);
  PlotWindow window(1, kPlotFrame, "#1 plot", picture, dialogs_);
  EXPECT_EQ(window.windowTitle(), "#1 plot");
  EXPECT_EQ(window.statusText(0), "Running");
  EXPECT_FALSE(window.canvas().interactive());
  window.choosePopupItem(kItemTextReadout);
  EXPECT_EQ(window.popupContext().textReadoutOn, true);
  window.finish(frames_.frame(0).finishedPicture(), picture);
  EXPECT_EQ(window.statusText(0), "Ready");
  EXPECT_TRUE(window.canvas().interactive());
  EXPECT_EQ(window.canvas().size(), QSize(520, 400));
}

TEST_F(PlotWindowTest, MagnifyWaitsForARectangleWithDistinctCorners) {
  EXPECT_FALSE(enabled(kItemMagnify));
  dragRectangle({100, 100}, {100, 300});
  EXPECT_FALSE(enabled(kItemMagnify));
  dragRectangle({100, 100}, {300, 100});
  EXPECT_FALSE(enabled(kItemMagnify));
  dragRectangle({100, 100}, {300, 250});
  EXPECT_TRUE(enabled(kItemMagnify));
  // A drag far beyond the picture ends at its edge.
  dragRectangle({100, 100}, {5000, 5000});
  EXPECT_EQ(window_->canvas().rubberBand().end(), (DevicePoint{519, 399}));
}

TEST_F(PlotWindowTest, SevenMagnificationsThenRevertToTheWholePage) {
  const ViewState& view = window_->view();
  const QImage whole = window_->canvas().picture();
  for (int i = 0; i < 7; ++i) {
    dragRectangle({130, 100}, {390, 300});
    ASSERT_TRUE(enabled(kItemMagnify)) << i;
    window_->choosePopupItem(kItemMagnify);
    EXPECT_EQ(view.currentIndex(), i + 1);
    EXPECT_FALSE(window_->canvas().rubberBand().selected());
  }
  dragRectangle({130, 100}, {390, 300});
  EXPECT_FALSE(enabled(kItemMagnify));
  window_->choosePopupItem(kItemMagnify);
  EXPECT_EQ(view.count(), 8);

  EXPECT_TRUE(enabled(kItemRevert));
  EXPECT_FALSE(enabled(kItemNextView));
  window_->choosePopupItem(kItemPreviousView);
  EXPECT_EQ(view.currentIndex(), 6);
  EXPECT_TRUE(enabled(kItemNextView));
  window_->choosePopupItem(kItemRevert);
  EXPECT_EQ(view.currentIndex(), 0);
  EXPECT_EQ(view.current(), view.page());
  EXPECT_FALSE(enabled(kItemRevert));
  // The replayed whole page shows the curves again.
  const QImage& redrawn = window_->canvas().picture();
  int drawn = 0;
  for (int y = 0; y < redrawn.height(); ++y) {
    for (int x = 0; x < redrawn.width(); ++x) drawn += redrawn.pixel(x, y) != qRgb(255, 255, 255);
  }
  EXPECT_GT(drawn, 100);
  EXPECT_NE(redrawn, whole);
}

TEST_F(PlotWindowTest, WheelZoomsAboutTheCursorAndDragsMoveTheView) {
  const ViewState& view = window_->view();
  // Two steps of the wheel at the page point (8, 6): 1.25 squared as large.
  QWheelEvent wheel(QPointF(320, 160), QPointF(320, 160), QPoint(), QPoint(0, 240), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&window_->canvas(), &wheel);
  ASSERT_EQ(view.count(), 2);
  EXPECT_DOUBLE_EQ(view.deviceMapping().x.scale, 40.0 * 1.5625);
  const PagePoint still = pageFromDevice(view.deviceMapping(), 320, 160);
  EXPECT_NEAR(still.x, 8.0, 1e-12);
  EXPECT_NEAR(still.y, 6.0, 1e-12);

  // A middle-button drag moves the view in place; a Shift drag with the left
  // button too, without selecting anything.
  const Rect zoomed = view.current();
  mouse(QEvent::MouseButtonPress, {300, 200}, Qt::MiddleButton, Qt::MiddleButton);
  mouse(QEvent::MouseMove, {425, 200}, Qt::NoButton, Qt::MiddleButton);
  mouse(QEvent::MouseButtonRelease, {425, 200}, Qt::MiddleButton, Qt::NoButton);
  EXPECT_EQ(view.count(), 2);
  EXPECT_NEAR(view.current().x0, zoomed.x0 - 2.0, 1e-12);  // 62.5 pixels a unit
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(300, 200), QPointF(300, 200), Qt::LeftButton,
                    Qt::LeftButton, Qt::ShiftModifier);
  QApplication::sendEvent(&window_->canvas(), &press);
  mouse(QEvent::MouseMove, {300, 325}, Qt::NoButton, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, {300, 325}, Qt::LeftButton, Qt::NoButton);
  EXPECT_NEAR(view.current().y0, zoomed.y0 + 2.0, 1e-12);
  EXPECT_FALSE(window_->canvas().rubberBand().selected());

  // Keys do the same; the history keeps the page and the one moved view.
  QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, "+");
  QApplication::sendEvent(&window_->canvas(), &plus);
  QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(&window_->canvas(), &left);
  EXPECT_EQ(view.count(), 2);
  EXPECT_TRUE(enabled(kItemPreviousView));
  EXPECT_FALSE(enabled(kItemNextView));
  window_->choosePopupItem(kItemRevert);
  EXPECT_EQ(view.current(), view.page());
  EXPECT_TRUE(enabled(kItemNextView));
}

TEST_F(PlotWindowTest, AMagnifiedViewCarriesAScaleOfItsRegion) {
  EXPECT_TRUE(window_->scale()->empty());
  const std::size_t frameRecords = window_->frame()->displayList.size();
  // Region a: x 0..10 over 2.6..11.7, y 1..100 over 2..9. The view from
  // page x 4 to 10 shows x from 1.538 to 8.132.
  dragRectangle({160, 80}, {400, 320});
  window_->choosePopupItem(kItemMagnify);
  const std::shared_ptr<const DisplayList> scale = window_->scale();
  ASSERT_FALSE(scale->empty());
  // The scale lies inside the view, and its tick feet stand at the
  // page positions of the whole numbers 2 to 8 along the bottom axis.
  const Rect& shown = window_->view().current();
  std::vector<double> bottomTicks;
  PagePoint pen;
  double axisY = 0.0;
  scale->forEach([&](const DisplayRecord& record) {
    if (record.kind == kMove) pen = {record.x, record.y};
    if (record.kind != kDraw) return;
    EXPECT_GE(record.x, shown.x0 - 1e-5);
    EXPECT_LE(record.x, shown.x1 + 1e-5);
    if (axisY == 0.0 && pen.y == record.y) axisY = record.y;  // the axis line comes first
    if (pen.y == axisY && record.y < axisY && pen.x == record.x) bottomTicks.push_back(pen.x);
  });
  std::vector<double> majors;
  for (const double x : bottomTicks) {
    const double value = (x - 2.6) / 0.91;
    if (std::fabs(value - std::round(value)) < 1e-4) majors.push_back(std::round(value));
  }
  EXPECT_EQ(majors, (std::vector<double>{2, 3, 4, 5, 6, 7, 8}));
  window_->choosePopupItem(kItemRevert);
  EXPECT_TRUE(window_->scale()->empty());
  // The scale is the window's: the frame's drawing stays as it was.
  EXPECT_EQ(window_->frame()->displayList.size(), frameRecords);
}

TEST_F(PlotWindowTest, AnExportGreysEverythingButCancelAndShowMain) {
  dragRectangle({100, 100}, {300, 250});
  window_->exportStarted();
  for (int item = 1; item <= kPopupItemCount; ++item) {
    if (item == kItemCancel || item == kItemShowMain) {
      EXPECT_TRUE(enabled(item));
    } else {
      EXPECT_FALSE(enabled(item)) << item;
    }
  }
  window_->choosePopupItem(kItemMagnify);
  EXPECT_EQ(window_->view().currentIndex(), 0);
  window_->exportEnded(kPostScriptOpenFailed);
  EXPECT_FALSE(window_->exportBusy());
  EXPECT_TRUE(enabled(kItemMagnify));
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0], (ScriptedDialogs::Box{"Postscript", "Postscript file open error."}));
}

TEST_F(PlotWindowTest, ReadoutsFollowTheMouseAndTheRegionLetters) {
  mouse(QEvent::MouseMove, {320, 160}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window_->statusText(1), "(  8.000,  6.000) ");
  EXPECT_EQ(window_->statusText(2), "[     5.934,     57.57 (abc)]");
  type('b');
  EXPECT_EQ(window_->statusText(2), "[         4,        10 (bac)]");
  type('c');
  EXPECT_EQ(window_->statusText(2), "[       140,     31.62 (cba)]");

  mouse(QEvent::MouseButtonDblClick, {320, 160}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), "(  8.000,  6.000) [       140,     31.62 (cba)]");

  window_->choosePopupItem(kItemTextReadout);
  EXPECT_EQ(window_->statusText(1), "");
  mouse(QEvent::MouseMove, {120, 360}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window_->statusText(1), "");
  EXPECT_EQ(window_->statusText(2), "");  // outside both window boxes
  window_->choosePopupItem(kItemDataReadout);
  window_->choosePopupItem(kItemTextReadout);
  EXPECT_EQ(window_->statusText(1), "(  3.000,  1.000) ");
  EXPECT_EQ(window_->popupContext().dataReadoutOn, false);
}

TEST_F(PlotWindowTest, MenuCommandsForTheMainWindowAreSignalled) {
  int showMain = 0;
  int closeFile = 0;
  int quit = 0;
  QObject::connect(window_.get(), &PlotWindow::showMainRequested, [&] { ++showMain; });
  QObject::connect(window_.get(), &PlotWindow::closeFileRequested, [&] { ++closeFile; });
  QObject::connect(window_.get(), &PlotWindow::quitRequested, [&] { ++quit; });
  window_->choosePopupItem(kItemCloseAll);
  EXPECT_EQ(closeFile, 0);  // the file is still running
  window_->setFileFinished(true);
  window_->choosePopupItem(kItemCloseAll);
  window_->choosePopupItem(kItemExit);
  window_->choosePopupItem(kItemShowMain);
  EXPECT_EQ(closeFile, 1);
  EXPECT_EQ(quit, 1);
  EXPECT_EQ(showMain, 3);
}

}  // namespace
}  // namespace vexplot
