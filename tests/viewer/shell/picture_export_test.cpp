#include "viewer/shell/picture_export.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <fstream>
#include <sstream>


#include "tests/support/scratch_directory.hpp"
#include "tests/viewer/windows/interpreted_frames.hpp"
#include "tests/viewer/windows/qt_test_support.hpp"

namespace vexplot {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCurvePlot =
    "SET LIMIT X FROM 0 TO 10 Y FROM 0 TO 10\n1 1\n5 9\n9 2\nJOIN\n"
    "NEWFRAME\nSET SIZE 20 BY 10\nSET LIMIT X FROM 0 TO 1 Y FROM 0 TO 1\n0 0\n1 1\nJOIN\n";

class PictureExportTest : public ::testing::Test {
 protected:
  PictureExportTest() {
    testing::ensureQtApplication();
    fs::create_directories(directory_ / "bin");
    std::ofstream(directory_ / "curve.vpt") << kCurvePlot;
  }

  int run(PictureFormat format, std::optional<PictureSize> size = std::nullopt) {
    return runPictureExport(directory_ / "out", directory_ / "curve.vpt",
                            {directory_ / "bin", {}, true}, format, out_, err_, size);
  }

  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  test_support::ScratchDirectory scratch_{"vexplot_pictures"};
  fs::path directory_ = scratch_.path();
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(PictureExportTest, PngShowsEachFrameAsItsWindowDoes) {
  ASSERT_EQ(run(PictureFormat::kPng), 0) << err_.str();
  const QImage first(QString::fromStdString((directory_ / "out" / "curve.png").string()));
  const QImage second(QString::fromStdString((directory_ / "out" / "curve1.png").string()));
  // 520 by 400 pixels requested; the 20 by 10 page keeps the width.
  EXPECT_EQ(first.size(), QSize(520, 400));
  EXPECT_EQ(second.size(), QSize(520, 260));
  EXPECT_NE(out_.str().find("Plot #1 ends."), std::string::npos);

  // The curve's corner at the data point (5, 9), page (7.15, 8.3), is drawn
  // where the window draws it: 40 pixels per page unit, y downwards.
  bool cornerDrawn = false;
  for (int y = 66; y <= 70; ++y) {
    for (int x = 284; x <= 288; ++x) cornerDrawn |= first.pixel(x, y) == qRgb(0, 0, 0);
  }
  EXPECT_TRUE(cornerDrawn);
  EXPECT_EQ(first.pixel(300, 300), qRgb(255, 255, 255));
}

TEST_F(PictureExportTest, PdfAndSvgHaveTheEpsBoundingBox) {
  ASSERT_EQ(run(PictureFormat::kPdf), 0) << err_.str();
  const std::string pdf = read(directory_ / "out" / "curve.pdf");
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  // The EPS bounding box of a 13 by 10 page is 717.6 by 552 points; the
  // page size is kept in whole points.
  EXPECT_NE(pdf.find("/MediaBox [0 0 718.000000 552.000000]"), std::string::npos);
  EXPECT_TRUE(fs::exists(directory_ / "out" / "curve1.pdf"));

  ASSERT_EQ(run(PictureFormat::kSvg), 0) << err_.str();
  const std::string svg = read(directory_ / "out" / "curve.svg");
  EXPECT_NE(svg.find("viewBox=\"0 0 71760 55200\""), std::string::npos);
  EXPECT_NE(svg.find("<polyline"), std::string::npos);
}

TEST_F(PictureExportTest, SizeSetsTheImageInPixelsAndThePageInPoints) {
  ASSERT_EQ(run(PictureFormat::kPng, PictureSize{1040, 1040}), 0) << err_.str();
  // Each frame fills the size as far as its page's proportions allow.
  EXPECT_EQ(QImage(QString::fromStdString((directory_ / "out" / "curve.png").string())).size(),
            QSize(1040, 800));
  EXPECT_EQ(QImage(QString::fromStdString((directory_ / "out" / "curve1.png").string())).size(),
            QSize(1040, 520));

  ASSERT_EQ(run(PictureFormat::kPdf, PictureSize{1000, 500}), 0) << err_.str();
  EXPECT_NE(read(directory_ / "out" / "curve.pdf").find("/MediaBox [0 0 1000.000000 500.000000]"),
            std::string::npos);
  ASSERT_EQ(run(PictureFormat::kSvg, PictureSize{1000, 500}), 0) << err_.str();
  EXPECT_NE(read(directory_ / "out" / "curve.svg").find("viewBox=\"0 0 100000 50000\""),
            std::string::npos);
}

TEST_F(PictureExportTest, VectorPicturesStayOnTheirPage) {
  testing::InterpretedFrames frames(kCurvePlot);
  const FramePicture& frame = frames.frame(0).picture();
  const VectorPictureSize size = vectorPictureSize(frame, frame.pageBox);
  EXPECT_EQ(size.width, 71760.0);
  EXPECT_EQ(size.height, 55200.0);
  QImage picture(718, 552, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.scale(0.01, 0.01);
  paintVectorPicture(painter, {frame, frame.pageBox}, 0.25, size);
  painter.end();
  // Something is drawn, and the axes box lies where the window box is.
  int inside = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) inside += picture.pixel(x, y) != qRgb(255, 255, 255);
  }
  EXPECT_GT(inside, 500);
  // The left axis at x = 2.6 page units: 2.6 * 55.2 points.
  EXPECT_NE(picture.pixel(144, 300), qRgb(255, 255, 255));
  EXPECT_EQ(picture.pixel(100, 300), qRgb(255, 255, 255));

  // On a wider page the picture stands in the middle at its size, here 359
  // points from the left.
  QImage wide(1436, 552, QImage::Format_RGB32);
  wide.fill(Qt::white);
  QPainter widePainter(&wide);
  widePainter.scale(0.01, 0.01);
  paintVectorPicture(widePainter, {frame, frame.pageBox}, 0.25, {size.width + 71800.0, size.height});
  widePainter.end();
  EXPECT_EQ(wide.copy(359, 0, 718, 552), picture);
}

TEST_F(PictureExportTest, AnUnwritableDirectoryFails) {
  std::ofstream(directory_ / "out") << "a file, not a directory";
  EXPECT_EQ(run(PictureFormat::kPng), 1);
  EXPECT_NE(err_.str().find("cannot create directory"), std::string::npos);
}

}  // namespace
}  // namespace vexplot
