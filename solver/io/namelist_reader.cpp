#include "solver/io/namelist_reader.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdint>

namespace quelm {
namespace {

// Longest line and largest group accepted: far beyond any real input, small
// enough that a corrupt file cannot exhaust memory.
constexpr std::size_t MAX_LINE_LENGTH = 1 << 20;
constexpr std::size_t MAX_GROUP_LENGTH = 16 << 20;

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Text quoted in a message: non-printable bytes shown as '?', long texts cut.
std::string printable(std::string_view text) {
    std::string out;
    for (unsigned char c : text.substr(0, 40))
        out += std::isprint(c) ? static_cast<char>(c) : '?';
    if (text.size() > 40) out += "...";
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool endsWord(char c) {
    return isBlank(c) || c == ',' || c == '/' || c == '=' || c == '(' || c == ')' || c == '&' || c == '$' || c == '!';
}

// Does `line` start (after blanks) with &NAME or $NAME, NAME not continued?
bool startsGroup(std::string_view line, std::string_view name) {
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i >= line.size() || (line[i] != '&' && line[i] != '$')) return false;
    ++i;
    if (line.size() - i < name.size() || upper(line.substr(i, name.size())) != name) return false;
    i += name.size();
    return i == line.size() || !isNameChar(line[i]);
}

bool isQuote(char c) { return c == '\'' || c == '"'; }

// Position of the quote that closes the text opened at `open` (a doubled
// quote stands for one inside the text), or npos when the line ends first.
std::size_t closingQuote(std::string_view text, std::size_t open) {
    const char quote = text[open];
    for (std::size_t i = open + 1; i < text.size() && text[i] != '\n'; ++i) {
        if (text[i] != quote) continue;
        if (i + 1 < text.size() && text[i + 1] == quote) {
            ++i;
        } else {
            return i;
        }
    }
    return std::string_view::npos;
}

// Position of a group terminator in the line (ignoring comments and texts
// in quotes), or npos.
std::size_t terminatorIn(std::string_view line, std::size_t from) {
    for (std::size_t i = from; i < line.size(); ++i) {
        if (isQuote(line[i])) {
            i = closingQuote(line, i);
            if (i == std::string_view::npos) return i;
            continue;
        }
        if (line[i] == '!') return std::string_view::npos;
        if (line[i] == '/') return i;
        if ((line[i] == '&' || line[i] == '$') && upper(line.substr(i + 1, 3)) == "END" &&
            (i + 4 == line.size() || !isNameChar(line[i + 4]))) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool parseReal(std::string_view text, double& value) {
    std::string s(text);
    if (!s.empty() && s[0] == '+') s.erase(0, 1);
    // Fortran double-precision exponents: 1.5D-3.
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == 'D' || c == 'd'; }, 'E');
    bool digit = false;
    for (char c : s)
        digit = digit || std::isdigit(static_cast<unsigned char>(c));
    if (!digit || s.find_first_of("xXpPnNiI") != std::string::npos) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

bool parseInteger(std::string_view text, long long& value) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// T, F, .T., .TRUE., .false., TRUE, ...
bool parseLogical(std::string_view text, bool& value) {
    if (!text.empty() && text.front() == '.') text.remove_prefix(1);
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    if (text.empty()) return false;
    const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (first != 'T' && first != 'F') return false;
    for (char c : text) {
        if (!std::isalpha(static_cast<unsigned char>(c))) return false;
    }
    value = first == 'T';
    return true;
}

// Parses the assignments of one group held in `text` (from its "&NAME" to
// its terminator).
class GroupParser {
public:
    GroupParser(std::string_view text, const NamelistGroup& group, long firstLine, std::string errorPrefix)
        : text_(text), group_(group), firstLine_(firstLine), errorPrefix_(std::move(errorPrefix)) {}

    void parse() {
        pos_ = text_.find_first_of("&$") + 1 + group_.name.size();
        for (;;) {
            skipSeparators();
            if (atTerminator()) return endOfGroup();
            assignment();
        }
    }

private:
    [[noreturn]] void error(const std::string& what) const {
        const auto upToHere = text_.substr(0, std::min(pos_, text_.size()));
        const long line = firstLine_ + std::count(upToHere.begin(), upToHere.end(), '\n');
        throw InputError(errorPrefix_ + "line " + std::to_string(line) + ": " + what + " in group " + group_.name);
    }

    // "/" ends the group, and so do "&END" and "$END"; "&OTHER" does not.
    void endOfGroup() {
        if (peek() == '/' || terminatorIn(text_, pos_) == pos_) return;
        error("unexpected '" + printable(text_.substr(pos_, 8)) + "'");
    }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void skipBlanks() {
        for (;;) {
            while (pos_ < text_.size() && isBlank(text_[pos_]))
                ++pos_;
            if (peek() != '!') return;
            while (pos_ < text_.size() && text_[pos_] != '\n')
                ++pos_;
        }
    }

    void skipSeparators() {
        for (skipBlanks(); peek() == ','; skipBlanks())
            ++pos_;
    }

    bool atTerminator() const { return peek() == '/' || peek() == '&' || peek() == '$'; }

    std::string_view word() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !endsWord(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // Is the next word an item name, i.e. followed by "=" or "("?
    bool nameFollows() {
        const std::size_t saved = pos_;
        const std::string_view w = word();
        skipBlanks();
        const bool result = !w.empty() && isNameStart(w[0]) && (peek() == '=' || peek() == '(');
        pos_ = saved;
        return result;
    }

    const NamelistItem& lookUp(std::string_view name) {
        const std::string key = upper(name);
        for (const NamelistItem& item : group_.items) {
            if (item.name == key) return item;
        }
        error("unknown item " + printable(key));
    }

    void assignment() {
        const std::string_view name = word();
        if (name.empty() || !isNameStart(name[0]) || !std::all_of(name.begin(), name.end(), isNameChar)) {
            error(name.empty() ? "unexpected character '" + printable(std::string(1, peek())) + "'"
                               : "expected an item name, found '" + printable(name) + "'");
        }
        const NamelistItem& item = lookUp(name);
        const std::size_t first = subscript(item);
        skipBlanks();
        if (peek() != '=') error("expected '=' after " + item.name);
        ++pos_;
        values(item, first);
    }

    // Optional "(index)" of an array item; returns the 0-based start.
    std::size_t subscript(const NamelistItem& item) {
        skipBlanks();
        if (peek() != '(') return 0;
        const auto* array = std::get_if<std::span<double>>(&item.target);
        if (array == nullptr) error("subscript on scalar item " + item.name);
        ++pos_;
        skipBlanks();
        const std::string_view index = word();
        skipBlanks();
        long long i = 0;
        if (!parseInteger(index, i) || peek() != ')') {
            error("bad subscript '" + printable(index) + "' of " + item.name);
        }
        ++pos_;
        if (i < 1 || i > static_cast<long long>(array->size())) {
            error("subscript " + std::to_string(i) + " of " + item.name + " outside 1.." +
                  std::to_string(array->size()));
        }
        return static_cast<std::size_t>(i - 1);
    }

    std::size_t capacity(const NamelistItem& item) const {
        const auto* array = std::get_if<std::span<double>>(&item.target);
        return array ? array->size() : 1;
    }

    // The value list: values and null values up to the next name or the end.
    void values(const NamelistItem& item, std::size_t next) {
        bool afterValue = false;  // a value was read since the last comma
        for (;;) {
            skipBlanks();
            if (peek() == ',') {
                if (!afterValue) next = advance(item, next, 1);  // null value
                afterValue = false;
                ++pos_;
                continue;
            }
            if (pos_ >= text_.size() || atTerminator() || nameFollows()) return;
            next = value(item, next);
            afterValue = true;
        }
    }

    std::size_t advance(const NamelistItem& item, std::size_t next, long long count) {
        if (count > static_cast<long long>(capacity(item) - std::min(next, capacity(item)))) {
            error("too many values for " + item.name);
        }
        return next + static_cast<std::size_t>(count);
    }

    // A text in quotes, for a text item.
    std::size_t quotedText(const NamelistItem& item, std::size_t next) {
        const char quote = peek();
        const std::size_t close = closingQuote(text_, pos_);
        if (close == std::string_view::npos) error("unterminated text for " + item.name);
        auto* target = std::get_if<std::string*>(&item.target);
        if (target == nullptr) error("text value of " + item.name + ", which is not a text item");
        std::string value;
        for (std::size_t i = pos_ + 1; i < close; ++i) {
            value += text_[i];
            if (text_[i] == quote) ++i;  // the doubled quote stands for one
        }
        pos_ = close + 1;
        const std::size_t end = advance(item, next, 1);
        **target = value;
        return end;
    }

    // One value, possibly "r*value" or "r*" (r null values).
    std::size_t value(const NamelistItem& item, std::size_t next) {
        if (isQuote(peek())) return quotedText(item, next);
        const std::string_view text = word();
        if (text.empty()) error("unexpected character '" + printable(std::string(1, peek())) + "'");
        std::string_view constant = text;
        long long repeat = 1;
        const std::size_t star = text.find('*');
        if (star != std::string_view::npos) {
            if (!parseInteger(text.substr(0, star), repeat) || repeat < 1) {
                error("bad repeat count in '" + printable(text) + "'");
            }
            constant = text.substr(star + 1);
        }
        const std::size_t end = advance(item, next, repeat);
        if (constant.empty()) return end;  // null values leave the items as they are
        for (std::size_t i = next; i < end; ++i)
            store(item, i, constant);
        return end;
    }

    void store(const NamelistItem& item, std::size_t index, std::string_view constant) {
        const auto wrongType = [&](const char* type) {
            error("value '" + printable(constant) + "' of " + item.name + " is not " + type);
        };
        if (auto* real = std::get_if<double*>(&item.target)) {
            if (!parseReal(constant, **real)) wrongType("a real number");
        } else if (auto* array = std::get_if<std::span<double>>(&item.target)) {
            if (!parseReal(constant, (*array)[index])) wrongType("a real number");
        } else if (auto* integer = std::get_if<int*>(&item.target)) {
            long long v = 0;
            if (!parseInteger(constant, v) || v < INT_MIN || v > INT_MAX) wrongType("an integer");
            **integer = static_cast<int>(v);
        } else if (std::holds_alternative<std::string*>(item.target)) {
            wrongType("a text in quotes");
        } else if (!parseLogical(constant, *std::get<bool*>(item.target))) {
            wrongType("a logical");
        }
    }

    std::string_view text_;
    const NamelistGroup& group_;
    long firstLine_;
    std::string errorPrefix_;
    std::size_t pos_ = 0;
};

}  // namespace

NamelistReader::NamelistReader(std::istream& in, std::string fileName, int unit)
    : in_(in), fileName_(std::move(fileName)), unit_(unit) {}

std::string NamelistReader::errorPrefix() const {
    return "syntax error in NAMELIST input, unit " + std::to_string(unit_) + ", file " + fileName_ + ": ";
}

void NamelistReader::fail(const std::string& what) const { throw InputError(errorPrefix() + what); }

bool NamelistReader::nextLine(std::string& line) {
    line.clear();
    int c;
    while ((c = in_.get()) != std::char_traits<char>::eof() && c != '\n') {
        if (line.size() >= MAX_LINE_LENGTH) fail("line " + std::to_string(lineNumber_ + 1) + " is too long");
        line += static_cast<char>(c);
    }
    if (c == std::char_traits<char>::eof() && line.empty()) return false;
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string NamelistReader::readRecord(const char* purpose) {
    std::string line;
    if (!nextLine(line)) {
        throw InputError(std::string("end of file reading the ") + purpose + ", unit " + std::to_string(unit_) +
                         ", file " + fileName_);
    }
    return line;
}

// Skips lines up to the group's start, left in `line`; false at end of file.
bool NamelistReader::findGroup(const NamelistGroup& group, std::string& line) {
    do {
        if (!nextLine(line)) return false;
    } while (!startsGroup(line, group.name));
    return true;
}

// The text from the group's start line through the line of its terminator.
std::string NamelistReader::groupText(const NamelistGroup& group, std::string line) {
    std::string text = line;
    std::size_t from = line.find_first_of("&$") + 1 + group.name.size();
    while (terminatorIn(line, from) == std::string_view::npos) {
        if (!nextLine(line)) fail("end of file inside group " + group.name);
        if (text.size() + line.size() > MAX_GROUP_LENGTH) fail("group " + group.name + " is too long");
        text += '\n';
        text += line;
        from = 0;
    }
    return text;
}

void NamelistReader::readGroup(const NamelistGroup& group) {
    if (!readOptionalGroup(group)) fail("end of file before group " + group.name);
}

bool NamelistReader::readOptionalGroup(const NamelistGroup& group) {
    std::string line;
    if (!findGroup(group, line)) return false;
    const long firstLine = lineNumber_;
    const std::string text = groupText(group, line);
    GroupParser(text, group, firstLine, errorPrefix()).parse();
    return true;
}

}  // namespace quelm
