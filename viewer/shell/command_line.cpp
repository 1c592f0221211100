#include "viewer/shell/command_line.hpp"

#include <charconv>
#include <optional>

namespace vexplot {

namespace {

std::optional<PictureFormat> pictureFormat(std::string_view name) {
  if (name == "eps") return PictureFormat::kEps;
  if (name == "png") return PictureFormat::kPng;
  if (name == "pdf") return PictureFormat::kPdf;
  if (name == "svg") return PictureFormat::kSvg;
  if (name == "list") return PictureFormat::kDisplayList;
  return std::nullopt;
}

std::optional<int> pictureSide(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < kSmallestPictureSide || value > kLargestPictureSide) return std::nullopt;
  return value;
}

// "WxH", two whole numbers.
std::optional<PictureSize> pictureSize(std::string_view text) {
  const std::size_t cross = text.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = pictureSide(text.substr(0, cross));
  const std::optional<int> height = pictureSide(text.substr(cross + 1));
  if (!width || !height) return std::nullopt;
  return PictureSize{*width, *height};
}

// "--export DIR FILE", "--format NAME" and "--size WxH", in any order; a
// usage error unless both the directory and the file are given, once each.
CommandLine parseExport(std::span<const std::string_view> arguments) {
  CommandLine line;
  bool formatGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size() && !arguments[i + 1].empty();
    if (argument == "--export" && hasValue && line.exportDirectory.empty()) {
      line.exportDirectory = arguments[++i];
    } else if (argument == "--format" && hasValue && !formatGiven && pictureFormat(arguments[i + 1])) {
      line.format = *pictureFormat(arguments[++i]);
      formatGiven = true;
    } else if (argument == "--size" && hasValue && !line.size && pictureSize(arguments[i + 1])) {
      line.size = pictureSize(arguments[++i]);
    } else if (!argument.empty() && !argument.starts_with("--") && line.inputFile.empty()) {
      line.inputFile = argument;
    } else {
      return {};
    }
  }
  if (line.exportDirectory.empty() || line.inputFile.empty()) return {};
  if (line.size && !drawnByToolkit(line.format)) return {};
  line.mode = CommandLine::kExport;
  return line;
}

}  // namespace

bool drawnByToolkit(PictureFormat format) {
  return format == PictureFormat::kPng || format == PictureFormat::kPdf || format == PictureFormat::kSvg;
}

CommandLine parseCommandLine(std::span<const std::string_view> arguments) {
  if (arguments.size() == 1 && arguments[0] == "--help") return {CommandLine::kHelp, {}, {}, {}, {}};
  for (const std::string_view argument : arguments) {
    if (argument == "--export" || argument == "--format" || argument == "--size") {
      return parseExport(arguments);
    }
  }
  for (const std::string_view argument : arguments) {
    if (argument.starts_with("--")) return {};
  }
  return {CommandLine::kWindow, {}, {}, {}, {}};
}

std::string_view usageText() {
  return "Usage: vexplotw [FILE]\n"
         "       vexplotw --export DIR [--format eps|png|pdf|svg|list] [--size WxH] FILE\n"
         "       vexplotw --help\n"
         "\n"
         "  FILE               open the viewer's window and show the plot file FILE\n"
         "  --export DIR FILE  interpret the plot file FILE without opening any window,\n"
         "                     print the messages of the text display, one per line,\n"
         "                     and write a picture of every frame into the directory\n"
         "                     DIR, which is created when it is missing; the settings\n"
         "                     file vexplot.ini is read and the log file vexplot.log\n"
         "                     written as the viewer does\n"
         "  --format NAME      the pictures' format: eps (the default), png (as the\n"
         "                     window shows the frame), pdf, svg, or list (each\n"
         "                     frame's display list in text, a record per line)\n"
         "  --size WxH         png: the image fills W x H pixels as far as the frame's\n"
         "                     page proportions allow (as the window does with its\n"
         "                     size); pdf, svg: the page is W x H points, the picture\n"
         "                     as large as fits, centred. W and H are whole numbers\n"
         "                     from 16 to 10000. Without it a png is as large as the\n"
         "                     window (520 x 400 by default), a pdf or svg page as\n"
         "                     the EPS bounding box\n"
         "  --help             print this text\n";
}

}  // namespace vexplot
