#include "viewer/windows/settings_edit.hpp"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

namespace vexplot {

namespace {

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text (blanks around it aside) as a number of type T.
template <class T>
std::optional<T> readNumber(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void takeFrameSize(const std::string& text, int& size) {
  const std::optional<int> value = readNumber<int>(text);
  if (value && *value >= 101 && *value <= 1999) size = *value;
}

}  // namespace

SettingsDialogValues settingsDialogValues(const ActiveSettings& active) {
  char lineWidth[32];
  std::snprintf(lineWidth, sizeof lineWidth, "%6.3f", active.postscriptLineWidth);
  const Settings& record = active.record;
  return {record.logFileLoc,
          record.postscFileLoc - 1,
          record.editorPath,
          lineWidth,
          std::to_string(record.screenDotX),
          std::to_string(record.screenDotY)};
}

void applySettingsDialog(const SettingsDialogValues& values, ActiveSettings& active) {
  Settings edited = active.record;
  if (values.logChoice >= 0 && values.logChoice <= 3) edited.logFileLoc = values.logChoice;
  if (values.postscriptChoice >= 0 && values.postscriptChoice <= 2) {
    edited.postscFileLoc = values.postscriptChoice + 1;
  }
  const std::optional<double> lineWidth = readNumber<double>(values.lineWidth);
  if (lineWidth && *lineWidth > 0.0 && *lineWidth < 30.0) active.postscriptLineWidth = *lineWidth;
  takeFrameSize(values.frameWidth, edited.screenDotX);
  takeFrameSize(values.frameHeight, edited.screenDotY);
  if (!values.editorPath.empty()) edited.editorPath = values.editorPath;
  active.record = edited;
}

}  // namespace vexplot
