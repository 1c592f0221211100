#pragma once

// Result codes shared by the command reader, the command handlers, the
// drawing operations and the interpreter. Codes of kEndsFile and above end the
// interpretation of the file.
namespace vexplot {

inline constexpr int kDone = 0;             // a token was delivered, or a handler finished
inline constexpr int kEndOfStatement = 3;   // a semicolon was read
inline constexpr int kEndOfLine = 4;        // the current line is used up
inline constexpr int kRejected = 5;         // a handler reported an error and changed nothing
inline constexpr int kTextError = 6;        // MORE or CASE without a string
inline constexpr int kEndOfFile = 8;        // no more lines
inline constexpr int kSyntaxError = 200;    // a handler found and reported a syntax error
inline constexpr int kBadNumber = 202;      // a data line held an item that is not a number
inline constexpr int kOutOfMemory = 401;    // a buffer could not be obtained
inline constexpr int kCannotOpen = 402;     // the input file could not be opened
inline constexpr int kTokenTooLong = 403;   // a token does not fit a token buffer

inline constexpr int kEndsFile = 400;

// True for the three codes that end a statement: semicolon, line end, file end.
constexpr bool endsStatement(int code) {
  return code == kEndOfStatement || code == kEndOfLine || code == kEndOfFile;
}

// The status a handler returns after reading its statement to the end.
constexpr int statementEndStatus(int code) { return code == kEndOfFile ? kEndOfFile : kDone; }

}  // namespace vexplot
