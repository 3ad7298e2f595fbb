#include "common/json.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace manifit {
namespace json {

Value Value::fromBool(bool b) {
  Value v;
  v.kind = Kind::Bool;
  v.boolean = b;
  return v;
}

Value Value::fromString(std::string s) {
  Value v;
  v.kind = Kind::String;
  v.text = std::move(s);
  return v;
}

Value Value::fromFloat(float f) {
  Value v;
  v.kind = Kind::Number;
  char buffer[32];
  for (int digits = 1; digits <= 9; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(f));
    if (std::strtof(buffer, nullptr) == f || !std::isfinite(f)) break;
  }
  v.text = buffer;
  return v;
}

Value Value::fromDouble(double d) {
  Value v;
  v.kind = Kind::Number;
  char buffer[40];
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, d);
    if (std::strtod(buffer, nullptr) == d || !std::isfinite(d)) break;
  }
  v.text = buffer;
  return v;
}

Value Value::fromInt(long long i) {
  Value v;
  v.kind = Kind::Number;
  v.text = std::to_string(i);
  return v;
}

Value Value::array() {
  Value v;
  v.kind = Kind::Array;
  return v;
}

Value Value::object() {
  Value v;
  v.kind = Kind::Object;
  return v;
}

Value& Value::push(Value v) {
  items.push_back(std::move(v));
  return items.back();
}

Value& Value::set(const std::string& key, Value v) {
  for (auto& member : members) {
    if (member.first == key) {
      member.second = std::move(v);
      return member.second;
    }
  }
  members.emplace_back(key, std::move(v));
  return members.back().second;
}

const Value* Value::find(const std::string& key) const {
  if (kind != Kind::Object) return nullptr;
  for (const auto& member : members) {
    if (member.first == key) return &member.second;
  }
  return nullptr;
}

bool toFloat(const Value& v, float& out) {
  if (v.kind != Kind::Number) return false;
  errno = 0;
  const float value = std::strtof(v.text.c_str(), nullptr);
  if (!std::isfinite(value)) return false;
  out = value;
  return true;
}

bool toDouble(const Value& v, double& out) {
  if (v.kind != Kind::Number) return false;
  const double value = std::strtod(v.text.c_str(), nullptr);
  if (!std::isfinite(value)) return false;
  out = value;
  return true;
}

bool toInt(const Value& v, long long& out) {
  if (v.kind != Kind::Number) return false;
  for (char c : v.text) {
    if (c == '.' || c == 'e' || c == 'E') return false;
  }
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(v.text.c_str(), &end, 10);
  if (errno == ERANGE || end == v.text.c_str() || *end != '\0') return false;
  out = value;
  return true;
}

namespace {

class Parser {
 public:
  Parser(const std::string& text, const ParseLimits& limits) : s_(text), limits_(limits) {}

  bool run(Value& out) {
    if (s_.size() > limits_.maxBytes) {
      return fail("the text is " + std::to_string(s_.size()) + " bytes long; at most " +
                  std::to_string(limits_.maxBytes) + " are accepted");
    }
    if (s_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
    skipSpace();
    if (!parseValue(out, 0)) return false;
    skipSpace();
    if (pos_ != s_.size()) return fail("unexpected text after the value");
    return true;
  }

  size_t position() const { return pos_; }
  const std::string& message() const { return message_; }

 private:
  const std::string& s_;
  const ParseLimits& limits_;
  size_t pos_ = 0;
  std::string message_;

  bool fail(const std::string& message) {
    message_ = message;
    return false;
  }

  bool atEnd() const { return pos_ >= s_.size(); }
  char peek() const { return atEnd() ? '\0' : s_[pos_]; }

  void skipSpace() {
    while (!atEnd() &&
           (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
      ++pos_;
  }

  bool literal(const char* word, Value& out, Value made) {
    size_t i = 0;
    while (word[i] != '\0') {
      if (pos_ + i >= s_.size() || s_[pos_ + i] != word[i]) return fail("unexpected character");
      ++i;
    }
    pos_ += i;
    out = std::move(made);
    return true;
  }

  bool parseValue(Value& out, int depth) {
    if (atEnd()) return fail("the text ends where a value should follow");
    switch (peek()) {
      case '{':
        return parseObject(out, depth + 1);
      case '[':
        return parseArray(out, depth + 1);
      case '"':
        out = Value();
        out.kind = Kind::String;
        return parseString(out.text);
      case 't':
        return literal("true", out, Value::fromBool(true));
      case 'f':
        return literal("false", out, Value::fromBool(false));
      case 'n':
        return literal("null", out, Value::null());
      default:
        if (peek() == '-' || (peek() >= '0' && peek() <= '9')) return parseNumber(out);
        return fail("unexpected character");
    }
  }

  static bool isDigit(char c) { return c >= '0' && c <= '9'; }

  bool parseNumber(Value& out) {
    const size_t start = pos_;
    if (peek() == '-') ++pos_;
    if (peek() == '0') {
      ++pos_;
    } else if (isDigit(peek())) {
      while (isDigit(peek())) ++pos_;
    } else {
      return fail("a number needs a digit after the minus sign");
    }
    if (peek() == '.') {
      ++pos_;
      if (!isDigit(peek())) return fail("a number needs a digit after the decimal point");
      while (isDigit(peek())) ++pos_;
    }
    if (peek() == 'e' || peek() == 'E') {
      ++pos_;
      if (peek() == '+' || peek() == '-') ++pos_;
      if (!isDigit(peek())) return fail("a number needs a digit in its exponent");
      while (isDigit(peek())) ++pos_;
    }
    out = Value();
    out.kind = Kind::Number;
    out.text = s_.substr(start, pos_ - start);
    if (!std::isfinite(std::strtod(out.text.c_str(), nullptr))) {
      pos_ = start;
      return fail("the number " + out.text.substr(0, 40) + " is out of range");
    }
    return true;
  }

  static int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  bool hex4(unsigned& code) {
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const int d = atEnd() ? -1 : hexDigit(s_[pos_]);
      if (d < 0) return fail("\\u needs four hexadecimal digits");
      code = code * 16 + static_cast<unsigned>(d);
      ++pos_;
    }
    return true;
  }

  static void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  bool parseEscape(std::string& out) {
    if (atEnd()) return fail("the text ends inside a string");
    const char c = s_[pos_++];
    switch (c) {
      case '"':
        out += '"';
        return true;
      case '\\':
        out += '\\';
        return true;
      case '/':
        out += '/';
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'u':
        break;
      default:
        --pos_;
        return fail("unknown escape in a string");
    }
    unsigned code = 0;
    if (!hex4(code)) return false;
    if (code >= 0xDC00 && code <= 0xDFFF) return fail("a lone low surrogate in a string");
    if (code >= 0xD800 && code <= 0xDBFF) {
      if (pos_ + 1 >= s_.size() || s_[pos_] != '\\' || s_[pos_ + 1] != 'u') {
        return fail("a high surrogate without its low surrogate in a string");
      }
      pos_ += 2;
      unsigned low = 0;
      if (!hex4(low)) return false;
      if (low < 0xDC00 || low > 0xDFFF) return fail("a high surrogate without its low surrogate");
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    appendUtf8(out, code);
    return true;
  }

  bool parseString(std::string& out) {
    ++pos_;  // the opening quote
    out.clear();
    while (true) {
      if (atEnd()) return fail("the text ends inside a string");
      const char c = s_[pos_];
      if (c == '"') {
        ++pos_;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return fail("a control character inside a string");
      ++pos_;
      if (c == '\\') {
        if (!parseEscape(out)) return false;
      } else {
        out += c;
      }
    }
  }

  bool checkDepth(int depth) {
    if (depth > limits_.maxDepth) {
      return fail("arrays and objects are nested deeper than " + std::to_string(limits_.maxDepth) +
                  " levels");
    }
    return true;
  }

  bool parseArray(Value& out, int depth) {
    if (!checkDepth(depth)) return false;
    ++pos_;
    out = Value::array();
    skipSpace();
    if (peek() == ']') {
      ++pos_;
      return true;
    }
    while (true) {
      skipSpace();
      Value item;
      if (!parseValue(item, depth)) return false;
      out.items.push_back(std::move(item));
      skipSpace();
      if (atEnd()) return fail("the text ends inside an array");
      if (peek() == ',') {
        ++pos_;
        continue;
      }
      if (peek() == ']') {
        ++pos_;
        return true;
      }
      return fail("expected ',' or ']' in an array");
    }
  }

  bool parseObject(Value& out, int depth) {
    if (!checkDepth(depth)) return false;
    ++pos_;
    out = Value::object();
    skipSpace();
    if (peek() == '}') {
      ++pos_;
      return true;
    }
    while (true) {
      skipSpace();
      if (peek() != '"') return fail("expected a quoted key in an object");
      const size_t keyStart = pos_;
      std::string key;
      if (!parseString(key)) return false;
      if (out.find(key) != nullptr) {
        pos_ = keyStart;
        return fail("the key \"" + key.substr(0, 60) + "\" appears twice in one object");
      }
      skipSpace();
      if (peek() != ':') return fail("expected ':' after a key");
      ++pos_;
      skipSpace();
      Value member;
      if (!parseValue(member, depth)) return false;
      out.members.emplace_back(std::move(key), std::move(member));
      skipSpace();
      if (atEnd()) return fail("the text ends inside an object");
      if (peek() == ',') {
        ++pos_;
        continue;
      }
      if (peek() == '}') {
        ++pos_;
        return true;
      }
      return fail("expected ',' or '}' in an object");
    }
  }
};

// Line and column (both from 1) of a byte position.
void locate(const std::string& text, size_t position, int& line, int& column) {
  line = 1;
  column = 1;
  for (size_t i = 0; i < position && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
}

bool isScalar(const Value& v) {
  return v.kind != Kind::Array && v.kind != Kind::Object;
}

bool allScalars(const Value& v) {
  for (const Value& item : v.items)
    if (!isScalar(item)) return false;
  for (const auto& member : v.members)
    if (!isScalar(member.second)) return false;
  return true;
}

void writeString(const std::string& s, std::string& out) {
  out += '"';
  for (char c : s) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"') {
      out += "\\\"";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
      out += buffer;
    } else {
      out += c;
    }
  }
  out += '"';
}

bool writeValue(const Value& v, int indent, std::string& out, std::string& message) {
  switch (v.kind) {
    case Kind::Null:
      out += "null";
      return true;
    case Kind::Bool:
      out += v.boolean ? "true" : "false";
      return true;
    case Kind::Number:
      if (!std::isfinite(std::strtod(v.text.c_str(), nullptr))) {
        message = "the number " + v.text + " is not finite and cannot be written";
        return false;
      }
      out += v.text;
      return true;
    case Kind::String:
      writeString(v.text, out);
      return true;
    default:
      break;
  }
  const bool isArray = v.kind == Kind::Array;
  const size_t count = isArray ? v.items.size() : v.members.size();
  out += isArray ? '[' : '{';
  if (count == 0) {
    out += isArray ? ']' : '}';
    return true;
  }
  const bool inline_ = allScalars(v);
  const std::string inner(static_cast<size_t>(indent + 2), ' ');
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) out += inline_ ? ", " : ",";
    if (!inline_) {
      out += '\n';
      out += inner;
    }
    const Value* item = isArray ? &v.items[i] : &v.members[i].second;
    if (!isArray) {
      writeString(v.members[i].first, out);
      out += ": ";
    }
    if (!writeValue(*item, indent + 2, out, message)) return false;
  }
  if (!inline_) {
    out += '\n';
    out += std::string(static_cast<size_t>(indent), ' ');
  }
  out += isArray ? ']' : '}';
  return true;
}

}  // namespace

bool parse(const std::string& text, Value& out, ParseError& error, const ParseLimits& limits) {
  Parser parser(text, limits);
  Value value;
  if (!parser.run(value)) {
    error.message = parser.message();
    locate(text, parser.position(), error.line, error.column);
    return false;
  }
  out = std::move(value);
  return true;
}

bool write(const Value& value, std::string& out, std::string& message) {
  std::string text;
  if (!writeValue(value, 0, text, message)) return false;
  text += '\n';
  out = std::move(text);
  return true;
}

}  // namespace json
}  // namespace manifit
