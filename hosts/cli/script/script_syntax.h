// The syntax of script statements: tokens, paths and values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "variant.h"

namespace torvane3d_cli {

enum class TokenKind { Name, Number, String, Dot, Open, Close, Comma, Equals, End };

struct Token {
  TokenKind kind;
  std::string text;  // a name, the number's text, the string's contents
};

// The tokens of a statement; throws ScriptSyntaxError on an unterminated
// string or a character that starts no token.
std::vector<Token> tokenize(std::string_view line);

struct ScriptSyntaxError {
  std::string message;
};

// A value written in a script: a number, a string, True/False/Nothing or an
// enumeration constant. Kept as written until it is converted.
struct ValueExpr {
  Token token;
};

struct Segment {
  std::string name;
  bool has_arguments = false;  // written with parentheses (perhaps empty)
  std::vector<ValueExpr> arguments;
};

// The statements of a script.
struct Statement {
  enum Kind { Assign, Call, Print, Handler } kind = Call;
  std::vector<Segment> path;                                // Assign, Call, Print
  ValueExpr value{};                                        // Assign; Print of a literal when path is empty
  std::string event;                                        // Handler
  std::vector<std::pair<std::string, ValueExpr>> settings;  // Handler
};

// Parses one statement (not a comment or a blank line).
Statement parse_statement(const std::vector<Token> &tokens);

// The variant a value stands for; enumeration constants by name.
tc3d::Variant value_of(const ValueExpr &value);

}  // namespace torvane3d_cli
