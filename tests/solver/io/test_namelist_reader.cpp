#include <gtest/gtest.h>

#include <sstream>

#include "solver/io/namelist_reader.hpp"

namespace quelm {
namespace {

struct Values {
    double x = 0.0;
    int n = 7;
    bool flag = false;
    std::array<double, 6> table{};
    std::string name;
};

NamelistGroup group(Values& v) {
    return {"GRP", {{"X", &v.x}, {"N", &v.n}, {"FLAG", &v.flag}, {"TABLE", std::span<double>(v.table)}, {"NAME", &v.name}}};
}

Values read(const std::string& text) {
    Values v;
    std::istringstream in(text);
    NamelistReader reader(in, "case.in", 5);
    reader.readGroup(group(v));
    return v;
}

std::string errorOf(const std::string& text) {
    try {
        read(text);
    } catch (const InputError& e) {
        return e.what();
    }
    return "no error";
}

TEST(NamelistReader, AssignsItemsInAnyCaseAndOrder) {
    const Values v = read("skipped line\n &grp n=3, Flag=.TRUE., x=-1.5D-2 /\n");
    EXPECT_DOUBLE_EQ(v.x, -1.5e-2);
    EXPECT_EQ(v.n, 3);
    EXPECT_TRUE(v.flag);
}

TEST(NamelistReader, AcceptsEveryLogicalSpellingAndEndMarker) {
    for (const char* t : {"T", ".T.", "TRUE", ".true.", "t"}) {
        EXPECT_TRUE(read(std::string("$GRP FLAG=") + t + " $END").flag) << t;
    }
    for (const char* f : {"F", ".F.", "FALSE", ".false."}) {
        EXPECT_FALSE(read(std::string("&GRP FLAG=T FLAG=") + f + " &END").flag) << f;
    }
}

TEST(NamelistReader, ArraysTakeStartIndexRepeatCountsAndNullValues) {
    const Values v = read("&GRP TABLE(2)=2*0.5, 3, , 9 /");
    EXPECT_EQ(v.table, (std::array<double, 6>{0.0, 0.5, 0.5, 3.0, 0.0, 9.0}));
    // "3*" followed by a blank is three null values.
    const Values w = read("&GRP TABLE=1 2\n 3*  4 TABLE(5)=8 /");
    EXPECT_EQ(w.table, (std::array<double, 6>{1.0, 2.0, 0.0, 0.0, 8.0, 4.0}));
}

TEST(NamelistReader, GroupSpansLinesWithCommentsAndCarriageReturns) {
    const Values v = read("&GRP\r\n  X = 2.5,  ! the slash / in a comment is text\r\n  N = -4\r\n/\r\n");
    EXPECT_DOUBLE_EQ(v.x, 2.5);
    EXPECT_EQ(v.n, -4);
}

TEST(NamelistReader, LaterAssignmentWinsAndMissingItemsKeepDefaults) {
    const Values v = read("&GRP X=1 X=2 /");
    EXPECT_DOUBLE_EQ(v.x, 2.0);
    EXPECT_EQ(v.n, 7);
}

TEST(NamelistReader, ErrorsNameUnitFileLineAndItem) {
    EXPECT_EQ(errorOf("&GRP\n FOO=1 /"),
              "syntax error in NAMELIST input, unit 5, file case.in: line 2: unknown item FOO in group GRP");
    EXPECT_EQ(errorOf("nothing here\n"),
              "syntax error in NAMELIST input, unit 5, file case.in: end of file before group GRP");
    EXPECT_EQ(errorOf("&GRP X=1\n N=2\n"),
              "syntax error in NAMELIST input, unit 5, file case.in: end of file inside group GRP");
}

TEST(NamelistReader, RejectsValuesOfTheWrongTypeOrOutOfRange) {
    EXPECT_NE(errorOf("&GRP N=3.5 /").find("value '3.5' of N is not an integer"), std::string::npos);
    EXPECT_NE(errorOf("&GRP N=99999999999 /").find("is not an integer"), std::string::npos);
    EXPECT_NE(errorOf("&GRP X=T /").find("is not a real number"), std::string::npos);
    EXPECT_NE(errorOf("&GRP X=1e999 /").find("is not a real number"), std::string::npos);
    EXPECT_NE(errorOf("&GRP X=nan /").find("is not a real number"), std::string::npos);
    EXPECT_NE(errorOf("&GRP FLAG=1 /").find("is not a logical"), std::string::npos);
    EXPECT_NE(errorOf("&GRP X=1 2 /").find("too many values for X"), std::string::npos);
    EXPECT_NE(errorOf("&GRP TABLE(7)=1 /").find("subscript 7 of TABLE outside 1..6"), std::string::npos);
    EXPECT_NE(errorOf("&GRP TABLE(0)=1 /").find("subscript 0"), std::string::npos);
    EXPECT_NE(errorOf("&GRP TABLE(4)=4*1 /").find("too many values for TABLE"), std::string::npos);
    EXPECT_NE(errorOf("&GRP TABLE=1000000000000*1 /").find("too many values"), std::string::npos);
    EXPECT_NE(errorOf("&GRP X(1)=1 /").find("subscript on scalar item X"), std::string::npos);
    EXPECT_NE(errorOf("&GRP X 1 /").find("expected '=' after X"), std::string::npos);
    EXPECT_NE(errorOf("&GRP X=1 &OTHER /").find("unexpected '&OTHER"), std::string::npos);
}

TEST(NamelistReader, TextsInQuotesMayHoldSeparatorsAndDoubledQuotes) {
    const Values v = read("&GRP NAME='tables/a b,c!.txt' N=2 /");
    EXPECT_EQ(v.name, "tables/a b,c!.txt");
    EXPECT_EQ(v.n, 2);
    EXPECT_EQ(read("&GRP NAME=\"it's\" /").name, "it's");
    EXPECT_EQ(read("&GRP NAME='it''s'\n /").name, "it's");
    EXPECT_NE(errorOf("&GRP NAME=budget.txt /").find("value 'budget.txt' of NAME is not a text in quotes"),
              std::string::npos);
    EXPECT_NE(errorOf("&GRP X='1' /").find("text value of X, which is not a text item"), std::string::npos);
    EXPECT_NE(errorOf("&GRP NAME='open /\n /").find("line 1: unterminated text for NAME"), std::string::npos);
}

TEST(NamelistReader, OptionalGroupMayBeMissing) {
    Values v;
    std::istringstream in("&GRP N=1 /\n trailing line\n");
    NamelistReader reader(in, "case.in", 5);
    EXPECT_TRUE(reader.readOptionalGroup(group(v)));
    EXPECT_EQ(v.n, 1);
    EXPECT_FALSE(reader.readOptionalGroup(group(v)));
}

TEST(NamelistReader, SurvivesBinaryAndOversizedInput) {
    std::string binary = "&GRP ";
    for (int c = 1; c < 256; ++c) binary += static_cast<char>(c);
    binary += " /";
    EXPECT_NE(errorOf(binary), "no error");
    EXPECT_NE(errorOf("&GRP " + std::string(2'000'000, 'X') + " /").find("too long"), std::string::npos);
    EXPECT_NE(errorOf("&GRP X=" + std::string(5000, '9') + " /").find("is not a real number"),
              std::string::npos);
}

TEST(NamelistReader, TitleRecordAndEndOfFile) {
    std::istringstream in("A TITLE\r\n");
    NamelistReader reader(in, "t.in", 5);
    EXPECT_EQ(reader.readRecord("title"), "A TITLE");
    EXPECT_THROW(reader.readRecord("title"), InputError);
}

}  // namespace
}  // namespace quelm
