#include <gtest/gtest.h>

#include <string>

#include "tests/viewer/windows/interpreted_frames.hpp"
#include "viewer/windows/coordinate_readout.hpp"
#include "viewer/render/postscript_writer.hpp"
#include "viewer/windows/export_request.hpp"
#include "viewer/windows/plot_interaction.hpp"

namespace vexplot {
namespace {

using testing::InterpretedFrames;
using testing::kThreeRegionPlot;

TEST(CoordinateReadout, PageAndDataTextsInTheirFormats) {
  EXPECT_EQ(formatPageReadout({8.0, 6.0}), "(  8.000,  6.000) ");
  EXPECT_EQ(formatPageReadout({-12.3456, 1234.5}), "(-12.346,1234.500) ");
  EXPECT_EQ(formatDataValue(5.93407), "     5.934");
  EXPECT_EQ(formatDataValue(0.01), "      0.01");
  EXPECT_EQ(formatDataValue(99999.0), "     1e+05");
  EXPECT_EQ(formatDataValue(100000.0), "  1.000e+05");
  EXPECT_EQ(formatDataValue(0.0099), "  9.900e-03");
  EXPECT_EQ(formatDataValue(0.0), "  0.000e+00");
  EXPECT_EQ(formatDataValue(-250.0), "      -250");
}

TEST(CoordinateReadout, ThePixelUnderTheMouseMapsBackToThePage) {
  InterpretedFrames frames(kThreeRegionPlot);
  const FrameState& frame = frames.frame(0);
  // 13 by 10 page in 520 by 400 pixels: 40 pixels per unit, y downwards.
  const PagePoint point = pageFromDevice(frame.view.deviceMapping(), 320, 160);
  EXPECT_DOUBLE_EQ(point.x, 8.0);
  EXPECT_DOUBLE_EQ(point.y, 6.0);
}

TEST(CoordinateReadout, RegionsAreListedInOrderAndALetterBringsOneToTheFront) {
  InterpretedFrames frames(kThreeRegionPlot);
  const std::vector<CoordinateRegion>& regions = frames.frame(0).picture().coordinateRegions;
  ASSERT_EQ(regions.size(), 3u);
  RegionOrder order;
  EXPECT_EQ(order.dataReadout(regions, {8.0, 6.0}), "[     5.934,     57.57 (abc)]");
  // Only a: the others are not listed, and their letters do nothing there.
  EXPECT_EQ(order.dataReadout(regions, {3.0, 3.0}), "[    0.4396,     15.14 (a)]");
  EXPECT_FALSE(order.bringToFront(regions, 'b', {3.0, 3.0}));
  EXPECT_FALSE(order.bringToFront(regions, 'd', {8.0, 6.0}));

  EXPECT_TRUE(order.bringToFront(regions, 'b', {8.0, 6.0}));
  EXPECT_EQ(order.dataReadout(regions, {8.0, 6.0}), "[         4,        10 (bac)]");
  EXPECT_FALSE(order.bringToFront(regions, 'b', {8.0, 6.0}));
  EXPECT_TRUE(order.bringToFront(regions, 'c', {8.0, 6.0}));
  EXPECT_EQ(order.dataReadout(regions, {8.0, 6.0}), "[       140,     31.62 (cba)]");
  EXPECT_EQ(order.dataReadout(regions, {3.0, 3.0}), "[    0.4396,     15.14 (a)]");
  // Outside every window box nothing is shown.
  EXPECT_EQ(order.dataReadout(regions, {1.0, 1.0}), "");
}

TEST(CoordinateReadout, MoreThanTwentySixRegionsShowNothing) {
  std::vector<CoordinateRegion> regions(27, CoordinateRegion{{0, 10, 0, 10}, {0, 1, 0, 1}, {}});
  RegionOrder order;
  EXPECT_EQ(order.dataReadout(regions, {5.0, 5.0}), "");
  regions.pop_back();
  EXPECT_EQ(order.dataReadout(regions, {5.0, 5.0}).substr(0, 24), "[       0.5,       0.5 (");
}

TEST(RubberBand, ASelectionNeedsCornersThatDifferInBothDirections) {
  RubberBand band;
  band.press({10, 10});
  EXPECT_FALSE(band.visible());
  EXPECT_TRUE(band.drag({10, 40}));
  EXPECT_TRUE(band.visible());
  band.release();
  EXPECT_FALSE(band.selected());  // same x: a line, not a rectangle

  band.press({10, 10});
  band.release();
  EXPECT_EQ(band.state(), RubberBand::kNone);  // a click

  band.press({10, 10});
  band.drag({50, 40});
  EXPECT_FALSE(band.drag({50, 40}));
  band.release();
  EXPECT_TRUE(band.selected());
  EXPECT_EQ(band.end(), (DevicePoint{50, 40}));
  EXPECT_FALSE(band.drag({60, 60}));  // no button pressed since
}

// The 13 by 10 page in a window of 520 by 400 pixels.
ViewState pageView() { return ViewState({0.0, 13.0, 0.0, 10.0}, 520.0, 400.0); }

TEST(MagnifyView, TheSelectionBecomesTheNextViewAndFillsTheWindow) {
  ViewState view = pageView();
  ASSERT_TRUE(magnifyView(view, {320, 160}, {80, 360}));
  EXPECT_EQ(view.count(), 2);
  EXPECT_EQ(view.currentIndex(), 1);
  EXPECT_EQ(view.current(), (Rect{2.0, 8.0, 1.0, 6.0}));
  // The 6 by 5 view in 520 by 400 pixels: 80 per unit, centred across.
  EXPECT_DOUBLE_EQ(view.deviceMapping().x.scale, 80.0);
  EXPECT_FALSE(magnifyView(view, {10, 10}, {10, 50}));

  // Going back and magnifying again drops the views beyond.
  ASSERT_TRUE(magnifyView(view, {0, 0}, {520, 400}));
  view.select(0);
  ASSERT_TRUE(magnifyView(view, {0, 0}, {260, 200}));
  EXPECT_EQ(view.count(), 2);
  EXPECT_EQ(view.view(1), (Rect{0.0, 6.5, 5.0, 10.0}));
}

TEST(MagnifyView, SevenMagnificationsAreTheMostAndGreyMagnify) {
  ViewState view = pageView();
  PopupContext context;
  context.selection = true;
  for (int i = 0; i < 7; ++i) {
    context.currentView = view.currentIndex();
    EXPECT_TRUE(popupItems(context)[kItemMagnify - 1].enabled) << i;
    ASSERT_TRUE(magnifyView(view, {100, 100}, {400, 300})) << i;
  }
  EXPECT_EQ(view.count(), 8);
  context.currentView = view.currentIndex();
  EXPECT_FALSE(popupItems(context)[kItemMagnify - 1].enabled);
  EXPECT_FALSE(magnifyView(view, {100, 100}, {400, 300}));
  view.select(0);
  EXPECT_EQ(view.current(), view.page());
}

TEST(WheelAndPan, ZoomKeepsThePointUnderTheCursorAndReplacesTheView) {
  ViewState view = pageView();
  // From the whole page the zoom becomes view 1; the page point (8, 6) under
  // the pixel (320, 160) stays there, at twice the scale.
  ASSERT_TRUE(zoomView(view, 320, 160, 2.0));
  EXPECT_EQ(view.count(), 2);
  EXPECT_EQ(view.current(), (Rect{4.0, 10.5, 3.0, 8.0}));
  EXPECT_DOUBLE_EQ(view.deviceMapping().x.scale, 80.0);
  const PagePoint still = pageFromDevice(view.deviceMapping(), 320, 160);
  EXPECT_DOUBLE_EQ(still.x, 8.0);
  EXPECT_DOUBLE_EQ(still.y, 6.0);
  // Further steps replace view 1.
  ASSERT_TRUE(zoomView(view, 0, 0, 2.0));
  EXPECT_EQ(view.count(), 2);
  EXPECT_EQ(view.current(), (Rect{4.0, 7.25, 5.5, 8.0}));
  // Reducing beyond the page shows the page; the whole page grows no more.
  ASSERT_TRUE(zoomView(view, 260, 200, 0.1));
  EXPECT_EQ(view.current(), view.page());
  EXPECT_EQ(view.currentIndex(), 1);
  view.select(0);
  EXPECT_FALSE(zoomView(view, 260, 200, 1.0 / kZoomStep));
  EXPECT_EQ(view.count(), 2);
}

TEST(WheelAndPan, PanMovesTheViewAndKeepsItsCentreOnThePage) {
  ViewState view = pageView();
  EXPECT_FALSE(panView(view, 40, 0));  // the whole page stays
  ASSERT_TRUE(magnifyView(view, {0, 0}, {260, 200}));  // 0..6.5 by 5..10, 80 pixels a unit
  // A drag of 80 pixels right and 40 down shows what lies left and above:
  // one unit left and half a unit up, in place of the magnified view.
  ASSERT_TRUE(panView(view, 80, 40));
  EXPECT_EQ(view.count(), 2);
  EXPECT_EQ(view.current(), (Rect{-1.0, 5.5, 5.5, 10.5}));
  // The centre stops at the page's left edge.
  ASSERT_TRUE(panView(view, 240, 0));
  EXPECT_EQ(view.current(), (Rect{-3.25, 3.25, 5.5, 10.5}));
  EXPECT_FALSE(panView(view, 80, 0));
  // The history keeps its two views: the page and the moved one.
  view.select(0);
  EXPECT_EQ(view.current(), view.page());
  view.select(1);
  EXPECT_EQ(view.current(), (Rect{-3.25, 3.25, 5.5, 10.5}));
}

TEST(PopupMenu, ItemsTextsAndEnablingRules) {
  PopupContext context;
  std::array<PopupItem, kPopupItemCount> items = popupItems(context);
  const std::vector<std::string> texts{
      "Show Text coord. ON", "Show Data coord. ON", "", "Revert to top", "Previous size",
      "Next size", "", "Magnify", "", "PostScript", "", "Cancell", "", "Show Main frame", "",
      "Close All Windows", "Exit Vexplot"};
  for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].text, texts[i]) << i;
  EXPECT_TRUE(items[2].separator);
  EXPECT_FALSE(items[kItemRevert - 1].enabled);
  EXPECT_FALSE(items[kItemPreviousView - 1].enabled);
  EXPECT_FALSE(items[kItemNextView - 1].enabled);
  EXPECT_FALSE(items[kItemMagnify - 1].enabled);
  EXPECT_FALSE(items[kItemCloseAll - 1].enabled);
  EXPECT_FALSE(items[kItemExit - 1].enabled);

  context = {true, true, false, true, false, true, 1, 3};
  items = popupItems(context);
  EXPECT_EQ(items[0].text, "Show Text coord. OFF");
  EXPECT_EQ(items[1].text, "Show Data coord. OFF");
  for (int id : {kItemRevert, kItemPreviousView, kItemNextView, kItemMagnify, kItemCloseAll, kItemExit}) {
    EXPECT_TRUE(items[static_cast<std::size_t>(id - 1)].enabled) << id;
  }

  context.exportBusy = true;
  items = popupItems(context);
  for (int id = 1; id <= kPopupItemCount; ++id) {
    const PopupItem& item = items[static_cast<std::size_t>(id - 1)];
    if (item.separator) continue;
    EXPECT_EQ(item.enabled, id == kItemCancel || id == kItemShowMain) << id;
  }

  context = {};
  context.isTable = true;
  items = popupItems(context);
  EXPECT_EQ(items[0].text, "");
  EXPECT_FALSE(items[0].separator);
  EXPECT_TRUE(items[0].enabled);
}

TEST(StatusBar, PartEdgesFollowTheWidth) {
  EXPECT_EQ(statusPartEdges(520), (std::array<int, 4>{100, 200, 350, 520}));
  EXPECT_EQ(statusPartEdges(300), (std::array<int, 4>{75, 150, 250, 300}));
}

TEST(ExportRequest, ProposedNamesResultTextsAndTheRememberedDirectory) {
  EXPECT_EQ(proposedExportName(kPlotFrame, "ring", 0), "ring");
  EXPECT_EQ(proposedExportName(kPlotFrame, "ring", 3), "ring3");
  EXPECT_EQ(proposedExportName(kColourTable, "ring", 0), "colortable");
  EXPECT_EQ(proposedExportName(kSimplexTable, "", 0), "SIMPLEX");
  EXPECT_EQ(proposedExportName(kDuplexTable, "", 0), "DUPLEX");
  EXPECT_EQ(proposedExportName(kUbcFontTable, "", 0), "UBCFONT");
  EXPECT_EQ(exportResultText(kPostScriptWritten), "Postscript output done.");
  EXPECT_EQ(exportResultText(kPostScriptOpenFailed), "Postscript file open error.");
  EXPECT_EQ(exportResultText(kPostScriptWriteFailed), "Postscript file write error.");
  EXPECT_EQ(exportResultText(kPostScriptNoSuchView), "Postscript file write error.");
  EXPECT_EQ(exportDirectoryOf("/home/a/plots/ring.eps"), "/home/a/plots/");
  EXPECT_EQ(exportDirectoryOf("ring.eps"), "");
}

}  // namespace
}  // namespace vexplot
