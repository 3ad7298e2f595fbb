#include "common/json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace manifit {
namespace {

json::Value parseOk(const std::string& text) {
  json::Value v;
  json::ParseError error;
  EXPECT_TRUE(json::parse(text, v, error))
      << error.message << " at " << error.line << ":" << error.column;
  return v;
}

json::ParseError parseFails(const std::string& text) {
  json::Value v;
  json::ParseError error;
  EXPECT_FALSE(json::parse(text, v, error)) << text;
  return error;
}

TEST(Json, ParsesEveryKindOfValue) {
  const json::Value v = parseOk(
      "\xEF\xBB\xBF{\"a\": null, \"b\": [true, false], \"c\": -1.5e2, \"d\": \"x\\ty\", \"e\": "
      "{}}");
  ASSERT_TRUE(v.isObject());
  ASSERT_EQ(v.members.size(), 5u);
  EXPECT_TRUE(v.find("a")->isNull());
  ASSERT_EQ(v.find("b")->items.size(), 2u);
  EXPECT_TRUE(v.find("b")->items[0].boolean);
  EXPECT_FALSE(v.find("b")->items[1].boolean);
  double c = 0;
  ASSERT_TRUE(json::toDouble(*v.find("c"), c));
  EXPECT_EQ(c, -150.0);
  EXPECT_EQ(v.find("d")->text, "x\ty");
  EXPECT_TRUE(v.find("e")->isObject());
  EXPECT_EQ(v.find("missing"), nullptr);
  EXPECT_EQ(v.find("c")->find("anything"), nullptr);
}

TEST(Json, DecodesEscapesIntoUtf8) {
  const json::Value v = parseOk("\"\\u00e9\\u20ac\\ud83d\\ude00\\\"\\\\\\/\\b\\f\\n\\r\"");
  EXPECT_EQ(v.text, "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"\\/\b\f\n\r");
  parseFails("\"\\ud83d\"");      // high surrogate alone
  parseFails("\"\\ude00\"");      // low surrogate alone
  parseFails("\"\\u12g4\"");      // not hexadecimal
  parseFails("\"\\x\"");          // unknown escape
  parseFails("\"tab\tinside\"");  // raw control character
}

TEST(Json, RefusesMalformedTextWithItsPosition) {
  json::ParseError e = parseFails("{\n  \"a\": 1,\n  \"b\" 2\n}");
  EXPECT_EQ(e.line, 3);
  EXPECT_EQ(e.column, 7);
  EXPECT_NE(e.message.find("':'"), std::string::npos);

  e = parseFails("[1, 2");
  EXPECT_NE(e.message.find("ends inside an array"), std::string::npos);
  e = parseFails("{\"k\": 1, \"k\": 2}");
  EXPECT_NE(e.message.find("twice"), std::string::npos);
  EXPECT_EQ(e.column, 10);

  for (const char* bad : {"",      "   ", "[1,]",     "[,1]",  "{\"a\":}", "{a:1}",     "01",
                          "1.",    ".5",  "-",        "1e",    "+1",       "tru",       "nul",
                          "[1] x", "NaN", "Infinity", "1e999", "\"open",   "{\"a\" 1}", "[1 2]"}) {
    parseFails(bad);
  }
}

TEST(Json, BoundsDepthAndSize) {
  json::ParseLimits limits;
  limits.maxDepth = 3;
  parseOk("[[[]]]");
  json::Value v;
  json::ParseError error;
  EXPECT_TRUE(json::parse("[[[1]]]", v, error, limits));
  EXPECT_FALSE(json::parse("[[[[1]]]]", v, error, limits));
  EXPECT_NE(error.message.find("nested deeper than 3"), std::string::npos);

  // The default depth stops a deeply nested text without exhausting the stack.
  parseFails(std::string(100000, '['));

  limits = json::ParseLimits();
  limits.maxBytes = 4;
  EXPECT_FALSE(json::parse("[1,2]", v, error, limits));
  EXPECT_TRUE(json::parse("[12]", v, error, limits));
}

TEST(Json, FloatsWriteShortestTextThatReadsBackExactly) {
  EXPECT_EQ(json::Value::fromFloat(0.1f).text, "0.1");
  EXPECT_EQ(json::Value::fromFloat(1.0f).text, "1");
  EXPECT_EQ(json::Value::fromFloat(-2.5e-7f).text, "-2.5e-07");
  EXPECT_EQ(json::Value::fromDouble(0.1).text, "0.1");
  EXPECT_EQ(json::Value::fromDouble(1.0 / 3.0).text, "0.3333333333333333");
  EXPECT_EQ(json::Value::fromInt(-42).text, "-42");

  // Walk bit patterns across the whole float range: every finite float
  // survives writing and reading bit for bit.
  for (uint32_t bits = 0; bits < 0xFF000000u; bits += 0x00A3C5E1u) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    if (!std::isfinite(f)) continue;
    float back = 0;
    ASSERT_TRUE(json::toFloat(json::Value::fromFloat(f), back));
    uint32_t backBits;
    std::memcpy(&backBits, &back, sizeof back);
    EXPECT_EQ(backBits, bits);
  }
  for (double d : {std::numeric_limits<double>::min(), std::numeric_limits<double>::max(),
                   std::numeric_limits<double>::denorm_min(), 123456.789e-300, -0.0}) {
    double back = 1;
    ASSERT_TRUE(json::toDouble(json::Value::fromDouble(d), back));
    EXPECT_EQ(std::memcmp(&back, &d, sizeof d), 0) << d;
  }
}

TEST(Json, NumbersConvertOnceFromTheirText) {
  // Just above the midpoint 1 + 2^-24 of two floats: rounded once it goes up
  // to 1 + 2^-23; through a double it would land on the midpoint and then
  // round down to 1.
  const char* justAbove = "1.00000005960464477539062501";
  const json::Value v =
      parseOk(std::string("[") + justAbove + ", 3, 2.5, 1e3, 9223372036854775808]");
  float f = 0;
  ASSERT_TRUE(json::toFloat(v.items[0], f));
  EXPECT_EQ(f, 1.0f + std::ldexp(1.0f, -23));
  EXPECT_NE(f, static_cast<float>(std::strtod(justAbove, nullptr)));
  long long i = 0;
  EXPECT_TRUE(json::toInt(v.items[1], i));
  EXPECT_EQ(i, 3);
  EXPECT_FALSE(json::toInt(v.items[2], i));
  EXPECT_FALSE(json::toInt(v.items[3], i));
  EXPECT_FALSE(json::toInt(v.items[4], i));  // beyond long long
  EXPECT_FALSE(json::toFloat(json::Value::fromString("1"), f));
  EXPECT_FALSE(json::toFloat(parseOk("1e300"), f));  // beyond float
}

TEST(Json, WritesReadableTextThatParsesBack) {
  json::Value doc = json::Value::object();
  doc.set("name", json::Value::fromString("a \"quoted\"\nline\x01"));
  json::Value& nodes = doc.set("nodes", json::Value::array());
  json::Value row = json::Value::array();
  row.push(json::Value::fromFloat(0.5f));
  row.push(json::Value::fromFloat(-1.25f));
  nodes.push(row);
  nodes.push(row);
  doc.set("empty", json::Value::array());
  doc.set("flag", json::Value::fromBool(true));
  doc.set("none", json::Value::null());

  std::string text, message;
  ASSERT_TRUE(json::write(doc, text, message));
  EXPECT_EQ(text,
            "{\n"
            "  \"name\": \"a \\\"quoted\\\"\\nline\\u0001\",\n"
            "  \"nodes\": [\n"
            "    [0.5, -1.25],\n"
            "    [0.5, -1.25]\n"
            "  ],\n"
            "  \"empty\": [],\n"
            "  \"flag\": true,\n"
            "  \"none\": null\n"
            "}\n");
  const json::Value back = parseOk(text);
  EXPECT_EQ(back.find("name")->text, doc.find("name")->text);
  ASSERT_EQ(back.find("nodes")->items.size(), 2u);
  EXPECT_EQ(back.find("nodes")->items[1].items[1].text, "-1.25");
}

TEST(Json, RefusesToWriteNonFiniteNumbers) {
  json::Value doc = json::Value::array();
  doc.push(json::Value::fromFloat(1.0f));
  doc.push(json::Value::fromDouble(std::nan("")));
  std::string text = "unchanged", message;
  EXPECT_FALSE(json::write(doc, text, message));
  EXPECT_EQ(text, "unchanged");
  EXPECT_NE(message.find("not finite"), std::string::npos);
  doc.items[1] = json::Value::fromFloat(std::numeric_limits<float>::infinity());
  EXPECT_FALSE(json::write(doc, text, message));
}

}  // namespace
}  // namespace manifit
