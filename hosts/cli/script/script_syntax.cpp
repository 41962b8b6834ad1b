#include "script_syntax.h"

#include <strings.h>
#include <cctype>
#include <cstdlib>

#include "enumerations.h"

namespace torvane3d_cli {
namespace {

bool name_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool same(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

[[noreturn]] void fail(std::string message) { throw ScriptSyntaxError{std::move(message)}; }

class Parser {
 public:
  explicit Parser(const std::vector<Token> &tokens) : t_(tokens) {}

  const Token &peek() const { return t_[i_]; }
  bool at(TokenKind k) const { return peek().kind == k; }
  const Token &take() { return t_[i_ < t_.size() - 1 ? i_++ : i_]; }
  void expect(TokenKind k, const char *what) {
    if (!at(k))
      fail(std::string("expected ") + what + (at(TokenKind::End) ? " at the end" : " before '" + peek().text + "'"));
    take();
  }

  ValueExpr value() {
    if (at(TokenKind::Number) || at(TokenKind::String) || at(TokenKind::Name)) return ValueExpr{take()};
    fail(at(TokenKind::End) ? "a value is missing" : "'" + peek().text + "' is not a value");
  }

  std::vector<Segment> path() {
    std::vector<Segment> segments;
    for (;;) {
      if (!at(TokenKind::Name)) fail(at(TokenKind::End) ? "a name is missing" : "'" + peek().text + "' is not a name");
      Segment s;
      s.name = take().text;
      if (at(TokenKind::Open)) {
        take();
        s.has_arguments = true;
        if (!at(TokenKind::Close)) {
          s.arguments.push_back(value());
          while (at(TokenKind::Comma)) {
            take();
            s.arguments.push_back(value());
          }
        }
        expect(TokenKind::Close, "')'");
      }
      segments.push_back(std::move(s));
      if (!at(TokenKind::Dot)) return segments;
      take();
    }
  }

  // Arguments written without parentheses after a call: A, B, C.
  std::vector<ValueExpr> bare_arguments() {
    std::vector<ValueExpr> args;
    if (at(TokenKind::End)) return args;
    args.push_back(value());
    while (at(TokenKind::Comma)) {
      take();
      args.push_back(value());
    }
    return args;
  }

  void end() {
    if (!at(TokenKind::End)) fail("unexpected '" + peek().text + "'");
  }

 private:
  const std::vector<Token> &t_;
  std::size_t i_ = 0;
};

}  // namespace

std::vector<Token> tokenize(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (name_start(c)) {
      const std::size_t start = i;
      while (i < line.size() && name_char(line[i])) ++i;
      tokens.push_back({TokenKind::Name, std::string(line.substr(start, i - start))});
    } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.') {
      if (c == '.' && (i + 1 >= line.size() || !std::isdigit(static_cast<unsigned char>(line[i + 1])))) {
        tokens.push_back({TokenKind::Dot, "."});
        ++i;
        continue;
      }
      const char *begin = line.data() + i;
      char *end = nullptr;
      const std::string rest(line.substr(i, 64));
      std::strtod(rest.c_str(), &end);
      const std::size_t length = static_cast<std::size_t>(end - rest.c_str());
      if (length == 0) fail(std::string("'") + c + "' starts no number");
      tokens.push_back({TokenKind::Number, std::string(begin, length)});
      i += length;
    } else if (c == '"') {
      std::string text;
      ++i;
      for (;;) {
        if (i >= line.size()) fail("the string has no closing quote");
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            text += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        text += line[i++];
      }
      tokens.push_back({TokenKind::String, std::move(text)});
    } else {
      static constexpr struct {
        char c;
        TokenKind kind;
      } kPunctuation[] = {{'.', TokenKind::Dot},
                          {'(', TokenKind::Open},
                          {')', TokenKind::Close},
                          {',', TokenKind::Comma},
                          {'=', TokenKind::Equals}};
      bool found = false;
      for (const auto &p : kPunctuation)
        if (p.c == c) {
          tokens.push_back({p.kind, std::string(1, c)});
          found = true;
        }
      if (!found) fail(std::string("'") + c + "' is not part of a statement");
      ++i;
    }
  }
  tokens.push_back({TokenKind::End, ""});
  return tokens;
}

Statement parse_statement(const std::vector<Token> &tokens) {
  Parser p(tokens);
  Statement s;
  if (p.at(TokenKind::Name) && same(p.peek().text, "on")) {
    p.take();
    if (!p.at(TokenKind::Name)) fail("an event name is missing after 'on'");
    s.kind = Statement::Handler;
    s.event = p.take().text;
    if (!p.at(TokenKind::Name) || !same(p.peek().text, "print")) fail("'on EVENT' is followed by 'print'");
    p.take();
    while (p.at(TokenKind::Name)) {
      std::string name = p.take().text;
      p.expect(TokenKind::Equals, "'='");
      s.settings.emplace_back(std::move(name), p.value());
    }
    p.end();
    return s;
  }
  if (p.at(TokenKind::Name) && same(p.peek().text, "print")) {
    p.take();
    s.kind = Statement::Print;
    if (p.at(TokenKind::Name))
      s.path = p.path();
    else
      s.value = p.value();
    p.end();
    return s;
  }
  s.path = p.path();
  if (p.at(TokenKind::Equals)) {
    p.take();
    s.kind = Statement::Assign;
    s.value = p.value();
    p.end();
    return s;
  }
  s.kind = Statement::Call;
  if (!p.at(TokenKind::End)) {
    if (s.path.back().has_arguments) fail("unexpected '" + p.peek().text + "'");
    s.path.back().arguments = p.bare_arguments();
    s.path.back().has_arguments = true;
  }
  p.end();
  return s;
}

tc3d::Variant value_of(const ValueExpr &value) {
  const Token &t = value.token;
  switch (t.kind) {
    case TokenKind::String: return tc3d::Variant(t.text);
    case TokenKind::Number: {
      const double d = std::strtod(t.text.c_str(), nullptr);
      const bool integral = t.text.find_first_of(".eE") == std::string::npos;
      if (integral && d >= -2147483648.0 && d <= 2147483647.0) return tc3d::Variant(static_cast<std::int32_t>(d));
      return tc3d::Variant(d);
    }
    case TokenKind::Name: {
      if (same(t.text, "True")) return tc3d::Variant(true);
      if (same(t.text, "False")) return tc3d::Variant(false);
      if (same(t.text, "Nothing")) return tc3d::Variant(tc3d::ObjectRef());
      for (const tc3d::Enumeration *e : tc3d::all_enumerations())
        if (const auto v = e->value_of(t.text)) return tc3d::Variant(*v);
      fail("'" + t.text + "' is not a value (a number, a \"string\", True, False or a constant)");
    }
    default: fail("not a value");
  }
}

}  // namespace torvane3d_cli
