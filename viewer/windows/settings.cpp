#include "viewer/windows/settings.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>
#include <variant>

namespace vexplot {

namespace {

// A line of the file holds at most this many characters; a text value at most
// this many (the room of a directory text). Longer ones end the reading.
constexpr std::size_t kLineLimit = 512;
constexpr std::size_t kTokenLimit = 259;

struct IntegerField {
  int Settings::*member;
  int minimum;  // a value below is not taken
  int maximum;  // nor one above
};
struct RealField {
  double Settings::*member;  // taken when above 0
};
struct TextField {
  std::string Settings::*member;
};

struct SettingsKey {
  std::string_view name;
  std::variant<IntegerField, RealField, TextField> field;
};

// The keys in the order in which the file is written.
const std::array<SettingsKey, 14> kKeys{{
    {"screen_dot_x", IntegerField{&Settings::screenDotX, 260, INT_MAX}},
    {"screen_dot_y", IntegerField{&Settings::screenDotY, 200, INT_MAX}},
    {"main_wnd_x", IntegerField{&Settings::mainWndX, 0, INT_MAX}},
    {"main_wnd_y", IntegerField{&Settings::mainWndY, 0, INT_MAX}},
    {"main_wnd_cx", IntegerField{&Settings::mainWndCx, 1, INT_MAX}},
    {"main_wnd_cy", IntegerField{&Settings::mainWndCy, 1, INT_MAX}},
    {"log_file_loc", IntegerField{&Settings::logFileLoc, 0, 3}},
    {"postsc_file_loc", IntegerField{&Settings::postscFileLoc, 1, 3}},
    {"log_file_dir", TextField{&Settings::logFileDir}},
    {"postsc_dir", TextField{&Settings::postscDir}},
    {"input_dir", TextField{&Settings::inputDir}},
    {"editor_path", TextField{&Settings::editorPath}},
    {"ps_linewidth", RealField{&Settings::psLinewidth}},
    {"reload_on_change", IntegerField{&Settings::reloadOnChange, 0, 1}},
}};

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
// Deduction guide for compilers without aggregate deduction.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::optional<int> completeInteger(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> completeReal(std::string_view text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

void applyValue(const SettingsKey& key, std::string_view value, Settings& settings) {
  std::visit(Overloaded{
                 [&](const IntegerField& field) {
                   const std::optional<int> number = completeInteger(value);
                   if (number && *number >= field.minimum && *number <= field.maximum) {
                     settings.*field.member = *number;
                   }
                 },
                 [&](const RealField& field) {
                   const std::optional<double> number = completeReal(value);
                   if (number && *number > 0.0) settings.*field.member = *number;
                 },
                 [&](const TextField& field) { settings.*field.member = std::string(value); },
             },
             key.field);
}

constexpr std::string_view kSeparators = " \t=";

// Takes the next token of the line: separators before it are skipped, the
// token runs up to the next separator.
std::string_view nextToken(std::string_view& line) {
  const std::size_t start = std::min(line.find_first_not_of(kSeparators), line.size());
  line.remove_prefix(start);
  const std::size_t length = std::min(line.find_first_of(kSeparators), line.size());
  const std::string_view token = line.substr(0, length);
  line.remove_prefix(length);
  return token;
}

bool endsReading(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '[';
}

// Applies one line; false when the line ends the reading.
bool readLine(std::string_view line, Settings& settings) {
  if (line.size() > kLineLimit || endsReading(line)) return false;
  const std::string_view name = nextToken(line);
  const std::string_view value = nextToken(line);
  if (name.size() > kTokenLimit || value.size() > kTokenLimit) return false;
  const auto key = std::find_if(kKeys.begin(), kKeys.end(),
                                [name](const SettingsKey& entry) { return entry.name == name; });
  if (key != kKeys.end()) applyValue(*key, value, settings);
  return true;
}

// A text that could not be read back as it stands: it would end the reading
// and lose every later key, or break into further lines.
bool unreadableText(const std::string& text) {
  return text.size() > kTokenLimit || text.find_first_of("\r\n") != std::string::npos;
}

void appendLine(std::string& out, const SettingsKey& key, const Settings& settings) {
  out.append(key.name).append("=");
  std::visit(Overloaded{
                 [&](const IntegerField& field) { out.append(std::to_string(settings.*field.member)); },
                 [&](const RealField& field) {
                   std::array<char, 352> text;
                   std::snprintf(text.data(), text.size(), "%f", settings.*field.member);
                   out.append(text.data());
                 },
                 [&](const TextField& field) {
                   const std::string& text = settings.*field.member;
                   if (!unreadableText(text)) out.append(text);
                 },
             },
             key.field);
  out.append("\n");
}

int withinOrDefault(int value, int low, int high, int fallback) {
  return value < low || value > high ? fallback : value;
}

}  // namespace

Settings parseSettings(std::istream& in) {
  Settings settings;
  std::string line;
  while (std::getline(in, line)) {
    // A file written with CR LF line ends reads the same.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!readLine(line, settings)) break;
  }
  return settings;
}

ActiveSettings deriveSettings(Settings record, const SettingsContext& context) {
  const Settings defaults;
  if (record.screenDotX < 100) record.screenDotX = defaults.screenDotX;
  if (record.screenDotY < 100) record.screenDotY = defaults.screenDotY;
  record.screenDotX = std::min(record.screenDotX, context.screen.width);
  record.screenDotY = std::min(record.screenDotY, context.screen.height);
  record.mainWndX = withinOrDefault(record.mainWndX, 0, 2000, defaults.mainWndX);
  record.mainWndY = withinOrDefault(record.mainWndY, 0, 2000, defaults.mainWndY);
  record.mainWndCx = withinOrDefault(record.mainWndCx, 100, 2000, defaults.mainWndCx);
  record.mainWndCy = withinOrDefault(record.mainWndCy, 60, 2000, defaults.mainWndCy);

  ActiveSettings active;
  active.inputDirectory = record.inputDir.empty() ? context.programDirectory : record.inputDir;
  if (record.logFileLoc == 1) active.logPath = context.outputDirectory + kLogFileName;
  if (record.logFileLoc == 3) active.logPath = record.logFileDir + kLogFileName;
  if (record.postscFileLoc == 1) active.postscriptDirectory = context.outputDirectory;
  if (record.postscFileLoc == 3) active.postscriptDirectory = record.postscDir;
  active.postscriptLineWidth = record.psLinewidth;
  active.record = std::move(record);
  return active;
}

std::string formatSettings(const ActiveSettings& active, const WindowPlacement& mainWindow) {
  Settings written = active.record;
  written.mainWndX = mainWindow.x;
  written.mainWndY = mainWindow.y;
  written.mainWndCx = mainWindow.width;
  written.mainWndCy = mainWindow.height;
  written.postscDir = active.postscriptDirectory;
  written.inputDir = active.inputDirectory;
  written.psLinewidth = active.postscriptLineWidth;
  std::string out;
  for (const SettingsKey& key : kKeys) appendLine(out, key, written);
  return out;
}

}  // namespace vexplot
