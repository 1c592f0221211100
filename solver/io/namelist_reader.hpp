// Reader for namelist-style input groups.
//
// A group starts on a line whose first non-blank characters are "&NAME" or
// "$NAME" and ends with "/", "&END" or "$END".  In between: assignments
// "ITEM = value ...", "ARRAY(5) = v1, v2 ...", repeat counts "3*0.5" (and
// "3*" for three null values), logicals T/F/.TRUE./.false./TRUE, separators
// of commas and blanks across any number of lines, "!" comments, and texts
// between apostrophes or quotes ('budget.txt', a doubled quote inside stands
// for one).  Names
// are not case-sensitive; a later assignment of the same item wins; lines
// before a group's start are skipped.  Anything else is an input error
// naming the unit, the file, the line and the offending text.
#pragma once

#include <istream>
#include <span>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace quelm {

// An input problem that ends the run; what() is the one-line message.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One item a group may assign, bound to the variable it sets.
struct NamelistItem {
    std::string name;  // upper case
    std::variant<double*, int*, bool*, std::string*, std::span<double>> target;
};

struct NamelistGroup {
    std::string name;  // upper case
    std::vector<NamelistItem> items;
};

class NamelistReader {
public:
    NamelistReader(std::istream& in, std::string fileName, int unit);

    // The next record, without its line end; throws InputError at end of file.
    std::string readRecord(const char* purpose);

    // Finds the group's start, skipping other lines, and assigns its items.
    void readGroup(const NamelistGroup& group);

    // The same for a group that may be missing: false, with nothing
    // assigned, when the input ends before the group starts.
    bool readOptionalGroup(const NamelistGroup& group);

private:
    bool nextLine(std::string& line);
    bool findGroup(const NamelistGroup& group, std::string& line);
    std::string groupText(const NamelistGroup& group, std::string line);
    std::string errorPrefix() const;
    [[noreturn]] void fail(const std::string& what) const;

    std::istream& in_;
    std::string fileName_;
    int unit_;
    long lineNumber_ = 0;
};

}  // namespace quelm
