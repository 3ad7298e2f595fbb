// A small JSON document model: reading with bounded depth and size and
// precise error positions, writing with the fewest digits that read back to
// the same number.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace manifit {
namespace json {

enum class Kind { Null, Bool, Number, String, Array, Object };

struct Value {
  Kind kind = Kind::Null;
  bool boolean = false;
  std::string text;          // a number's text as read or written; a string's characters (UTF-8)
  std::vector<Value> items;  // an array's elements
  std::vector<std::pair<std::string, Value>> members;  // an object's members, in order

  static Value null() { return Value{}; }
  static Value fromBool(bool b);
  static Value fromString(std::string s);
  // The shortest text that reads back to the same float with strtof.
  static Value fromFloat(float f);
  // The shortest text that reads back to the same double with strtod.
  static Value fromDouble(double d);
  static Value fromInt(long long i);
  static Value array();
  static Value object();

  bool isNull() const { return kind == Kind::Null; }
  bool isNumber() const { return kind == Kind::Number; }
  bool isString() const { return kind == Kind::String; }
  bool isArray() const { return kind == Kind::Array; }
  bool isObject() const { return kind == Kind::Object; }

  // Appends to an array / sets an object member (last set wins on writing order).
  Value& push(Value v);
  Value& set(const std::string& key, Value v);
  // The member of that name, nullptr when absent or when this is no object.
  const Value* find(const std::string& key) const;
};

// Numbers read from their text, rounded once to the target type. False when
// the value is no number, out of the type's range or (for integers) not whole.
bool toFloat(const Value& v, float& out);
bool toDouble(const Value& v, double& out);
bool toInt(const Value& v, long long& out);

struct ParseLimits {
  size_t maxBytes = size_t(512) << 20;  // the longest text accepted
  int maxDepth = 64;                    // nested arrays and objects
};

struct ParseError {
  std::string message;  // what is wrong, without the position
  int line = 0;         // 1-based
  int column = 0;       // 1-based, in bytes
};

// Parses one JSON text (RFC 8259; a UTF-8 byte-order mark is skipped). Duplicate
// object keys are refused. False with the error filled when the text is not
// valid JSON or exceeds the limits.
bool parse(const std::string& text, Value& out, ParseError& error,
           const ParseLimits& limits = ParseLimits());

// Writes the value as indented JSON text ending with a newline: arrays of
// scalars and objects of scalars stay on one line. False (and message set)
// when a number is not finite, which JSON cannot express.
bool write(const Value& value, std::string& out, std::string& message);

}  // namespace json
}  // namespace manifit
