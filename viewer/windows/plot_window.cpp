#include "viewer/windows/plot_window.hpp"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/stroke_text.hpp"
#include "viewer/windows/screen_device.hpp"
#include "viewer/windows/view_scale.hpp"

namespace vexplot {

namespace {

enum StatusPart { kStatePart = 0, kPagePart = 1, kDataPart = 2 };

}  // namespace

PlotWindow::PlotWindow(int index, FrameKind kind, const QString& title, QImage picture,
                       UserDialogs& dialogs)
    : QWidget(nullptr, Qt::Window),
      index_(index),
      kind_(kind),
      dialogs_(dialogs),
      canvas_(new PlotCanvas) {
  setWindowTitle(title);
  // The picture scrolls once the window is made smaller than it.
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(canvas_);

  auto* bar = new QStatusBar(this);
  for (QLabel*& part : status_) {
    part = new QLabel(bar);
    bar->addWidget(part);
  }
  status_[kStatePart]->setText("Running");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(scroll, 1);
  layout->addWidget(bar);

  connect(canvas_, &PlotCanvas::pointerMoved, this, &PlotWindow::pointerAt);
  connect(canvas_, &PlotCanvas::letterTyped, this, &PlotWindow::letterTyped);
  connect(canvas_, &PlotCanvas::doubleClicked, this, &PlotWindow::copyReadout);
  connect(canvas_, &PlotCanvas::menuRequested, this, &PlotWindow::showMenu);
  connect(canvas_, &PlotCanvas::zoomRequested, this, &PlotWindow::zoomAt);
  connect(canvas_, &PlotCanvas::panRequested, this, &PlotWindow::panBy);
  setPicture(std::move(picture));
  resize(maximumSize());
}

// The window is never larger than its picture and its status bar.
void PlotWindow::setPicture(QImage picture) {
  canvas_->setPicture(std::move(picture));
  const QSize full = canvas_->size();
  const int barHeight = layout()->itemAt(1)->sizeHint().height();
  setMaximumSize(full.width(), full.height() + barHeight);
}

void PlotWindow::showProgress(QImage picture) {
  if (!isReady()) canvas_->setPicture(std::move(picture));
}

void PlotWindow::finish(std::shared_ptr<const FramePicture> frame, QImage picture) {
  frame_ = std::move(frame);
  view_.emplace(frame_->pageBox, frame_->deviceWidth, frame_->deviceHeight);
  setPicture(std::move(picture));
  status_[kStatePart]->setText("Ready");
  canvas_->setInteractive(true);
}

PopupContext PlotWindow::popupContext() const {
  PopupContext context;
  context.textReadoutOn = textReadoutOn_;
  context.dataReadoutOn = dataReadoutOn_;
  context.isTable = kind_ != kPlotFrame;
  context.selection = canvas_->rubberBand().selected();
  context.exportBusy = exportBusy_;
  context.fileFinished = fileFinished_;
  if (frame_ != nullptr) {
    context.currentView = view_->currentIndex();
    context.viewCount = view_->count();
  }
  return context;
}

void PlotWindow::showMenu(QPoint globalPosition) {
  QMenu menu(this);
  int id = 0;
  for (const PopupItem& item : popupItems(popupContext())) {
    ++id;
    if (item.separator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromStdString(item.text));
    action->setEnabled(item.enabled);
    action->setData(id);
  }
  if (const QAction* chosen = menu.exec(globalPosition)) choosePopupItem(chosen->data().toInt());
}

void PlotWindow::choosePopupItem(int item) {
  if (!isReady() || item < 1 || item > kPopupItemCount) return;
  const PopupItem entry = popupItems(popupContext())[static_cast<std::size_t>(item - 1)];
  if (entry.separator || !entry.enabled) return;
  switch (item) {
    case kItemTextReadout: toggleReadout(textReadoutOn_, kPagePart); break;
    case kItemDataReadout: toggleReadout(dataReadoutOn_, kDataPart); break;
    case kItemRevert: view_->select(0); redrawView(); break;
    case kItemPreviousView: view_->select(view_->currentIndex() - 1); redrawView(); break;
    case kItemNextView: view_->select(view_->currentIndex() + 1); redrawView(); break;
    case kItemMagnify: {
      const RubberBand& band = canvas_->rubberBand();
      if (magnifyView(*view_, band.start(), band.end())) redrawView();
      break;
    }
    case kItemPostScript: emit postScriptRequested(index_); break;
    case kItemShowMain: emit showMainRequested(); break;
    case kItemCloseAll: emit showMainRequested(); emit closeFileRequested(); break;
    case kItemExit: emit showMainRequested(); emit quitRequested(); break;
    default: break;  // "Cancell"
  }
}

void PlotWindow::toggleReadout(bool& on, int part) {
  on = !on;
  if (!on) status_[static_cast<std::size_t>(part)]->clear();
  refreshReadouts();
}

void PlotWindow::pointerAt(QPoint position) {
  if (!isReady()) return;
  pointer_ = pageFromDevice(view_->deviceMapping(), position.x(), position.y());
  refreshReadouts();
}

// Wheel and drags go on during an export: it writes the view it was given.
void PlotWindow::zoomAt(QPointF position, double factor) {
  if (isReady() && zoomView(*view_, position.x(), position.y(), factor)) redrawView();
}

void PlotWindow::panBy(QPointF offset) {
  if (isReady() && panView(*view_, offset.x(), offset.y())) redrawView();
}

void PlotWindow::letterTyped(char letter) {
  if (!isReady() || !dataReadoutOn_ || !pointer_) return;
  if (!regionOrder_.bringToFront(frame_->coordinateRegions, letter, *pointer_)) return;
  refreshReadouts();
  // The scale shows the first region.
  if (!view_->showsWholePage()) redrawView();
}

void PlotWindow::refreshReadouts() {
  if (!pointer_) return;
  if (textReadoutOn_) status_[kPagePart]->setText(QString::fromStdString(formatPageReadout(*pointer_)));
  if (dataReadoutOn_) {
    status_[kDataPart]->setText(
        QString::fromStdString(regionOrder_.dataReadout(frame_->coordinateRegions, *pointer_)));
  }
}

QString PlotWindow::readoutText() const {
  return (status_[kPagePart]->text() + status_[kDataPart]->text()).trimmed();
}

void PlotWindow::copyReadout() {
  const QString text = readoutText();
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void PlotWindow::redrawView() {
  canvas_->rubberBand().clear();
  ScreenDevice device(canvas_->picture().width(), canvas_->picture().height(),
                      frame_->backgroundColour);
  replay(frame_->displayList, *view_, device);
  auto scale = std::make_shared<DisplayList>();
  if (const CoordinateRegion* region = regionOrder_.front(frame_->coordinateRegions)) {
    Pen pen;
    DrawingLayer layer(*view_, device, pen, scale.get());
    StrokeTextPainter text;
    drawViewScale(layer, text, *region, frame_->scaleStyle);
  }
  scale_ = std::move(scale);
  canvas_->setPicture(device.snapshot());
}

void PlotWindow::exportEnded(int status) {
  exportBusy_ = false;
  dialogs_.inform(this, kExportResultCaption, exportResultText(status));
}

void PlotWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed(index_);
}

void PlotWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const std::array<int, 4> edges = statusPartEdges(width());
  int left = 0;
  for (std::size_t part = 0; part + 1 < status_.size(); ++part) {
    status_[part]->setFixedWidth(edges[part] - left);
    left = edges[part];
  }
}

}  // namespace vexplot
