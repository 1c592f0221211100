#include "viewer/language/statement_skip.hpp"

#include <string>

#include "viewer/language/result_codes.hpp"

namespace vexplot {

int skipNotReadyStatement(CommandReader& reader, MessageSink& messages, std::string_view name) {
  const int code = reader.skipStatement();
  if (endsStatement(code)) {
    std::string text = " Command ";
    text.append(name).append(" is not ready. Ignored.\n");
    messages.reportMessage(text, "com_ignore");
  }
  return code;
}

}  // namespace vexplot
