#include "viewer/windows/export_request.hpp"

#include "viewer/render/postscript_writer.hpp"

namespace vexplot {

std::string proposedExportName(FrameKind kind, std::string_view baseName, int framePosition) {
  switch (kind) {
    case kSimplexTable: return "SIMPLEX";
    case kDuplexTable: return "DUPLEX";
    case kUbcFontTable: return "UBCFONT";
    case kColourTable: return "colortable";
    case kPlotFrame: break;
  }
  std::string name(baseName);
  if (framePosition != 0) name += std::to_string(framePosition);
  return name;
}

std::string exportResultText(int status) {
  switch (status) {
    case kPostScriptWritten: return "Postscript output done.";
    case kPostScriptOpenFailed: return "Postscript file open error.";
    default: return "Postscript file write error.";
  }
}

std::string exportDirectoryOf(std::string_view chosenPath) {
  const std::size_t slash = chosenPath.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(chosenPath.substr(0, slash + 1));
}

}  // namespace vexplot
