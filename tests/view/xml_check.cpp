#include "view/xml_check.h"

#include <cctype>

namespace manifit {

namespace {

bool nameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == ':';
}
bool nameChar(char c) {
  return nameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.';
}
bool space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

struct Cursor {
  const std::string& text;
  size_t at = 0;
  std::string error;

  bool fail(const std::string& what) {
    error = what + " at offset " + std::to_string(at);
    return false;
  }
  void skipSpace() {
    while (at < text.size() && space(text[at])) ++at;
  }
  bool startsWith(const char* prefix) const {
    return text.compare(at, std::string(prefix).size(), prefix) == 0;
  }
  bool readName(std::string& name) {
    if (at >= text.size() || !nameStart(text[at])) return fail("expected a name");
    const size_t begin = at;
    while (at < text.size() && nameChar(text[at])) ++at;
    name = text.substr(begin, at - begin);
    return true;
  }
  // Character data up to `stop`: '<' is not allowed and '&' must start a
  // known reference.
  bool checkCharacterData(size_t end) {
    for (; at < end; ++at) {
      if (text[at] == '<') return fail("\"<\" in text");
      if (text[at] != '&') continue;
      const size_t semicolon = text.find(';', at);
      if (semicolon == std::string::npos || semicolon > end) return fail("unterminated reference");
      const std::string name = text.substr(at + 1, semicolon - at - 1);
      bool known =
          name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos";
      if (!known && name.size() > 1 && name[0] == '#') {
        known = name.find_first_not_of("0123456789", 1) == std::string::npos ||
                (name[1] == 'x' && name.size() > 2 &&
                 name.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos);
      }
      if (!known) return fail("unknown reference &" + name + ";");
      at = semicolon;
    }
    return true;
  }
};

bool readTag(Cursor& c, std::vector<std::string>& open, std::vector<XmlElement>& elements) {
  ++c.at;  // '<'
  if (c.at < c.text.size() && c.text[c.at] == '/') {
    ++c.at;
    std::string name;
    if (!c.readName(name)) return false;
    c.skipSpace();
    if (c.at >= c.text.size() || c.text[c.at] != '>') return c.fail("expected \">\"");
    ++c.at;
    if (open.empty() || open.back() != name) return c.fail("unmatched </" + name + ">");
    open.pop_back();
    return true;
  }
  XmlElement element;
  if (!c.readName(element.name)) return false;
  while (true) {
    const size_t before = c.at;
    c.skipSpace();
    if (c.at >= c.text.size()) return c.fail("unterminated tag");
    if (c.startsWith("/>")) {
      c.at += 2;
      elements.push_back(element);
      return true;
    }
    if (c.text[c.at] == '>') {
      ++c.at;
      open.push_back(element.name);
      elements.push_back(element);
      return true;
    }
    if (c.at == before) return c.fail("expected a blank before an attribute");
    std::string name;
    if (!c.readName(name)) return false;
    if (c.at >= c.text.size() || c.text[c.at] != '=') return c.fail("expected \"=\"");
    ++c.at;
    if (c.at >= c.text.size() || (c.text[c.at] != '"' && c.text[c.at] != '\'')) {
      return c.fail("unquoted attribute value");
    }
    const char quote = c.text[c.at++];
    const size_t end = c.text.find(quote, c.at);
    if (end == std::string::npos) return c.fail("unterminated attribute value");
    const size_t begin = c.at;
    if (!c.checkCharacterData(end)) return false;
    if (element.attributes.count(name)) return c.fail("repeated attribute " + name);
    element.attributes[name] = c.text.substr(begin, end - begin);
    c.at = end + 1;
  }
}

bool parseDocument(Cursor& c, std::vector<XmlElement>& elements) {
  std::vector<std::string> open;
  bool rootSeen = false;
  elements.clear();
  if (c.startsWith("<!DOCTYPE")) {
    const size_t end = c.text.find('>', c.at);
    if (end == std::string::npos) return c.fail("unterminated doctype");
    c.at = end + 1;
  }
  while (c.at < c.text.size()) {
    if (open.empty()) {
      c.skipSpace();
      if (c.at >= c.text.size()) break;
      if (rootSeen || c.text[c.at] != '<') return c.fail("content outside the root element");
    }
    if (c.startsWith("<!--")) {
      const size_t end = c.text.find("-->", c.at);
      if (end == std::string::npos) return c.fail("unterminated comment");
      c.at = end + 3;
    } else if (!open.empty() && c.startsWith("<![CDATA[")) {
      const size_t end = c.text.find("]]>", c.at);
      if (end == std::string::npos) return c.fail("unterminated CDATA section");
      c.at = end + 3;
    } else if (c.text[c.at] == '<') {
      if (open.empty()) rootSeen = true;
      if (!readTag(c, open, elements)) return false;
    } else {
      size_t end = c.text.find('<', c.at);
      if (end == std::string::npos) end = c.text.size();
      if (!c.checkCharacterData(end)) return false;
    }
  }
  if (!open.empty()) return c.fail("unclosed <" + open.back() + ">");
  if (!rootSeen) return c.fail("no root element");
  return true;
}

}  // namespace

bool parseXml(const std::string& text, std::vector<XmlElement>& elements, std::string& error) {
  Cursor c{text, 0, {}};
  const bool ok = parseDocument(c, elements);
  if (!ok) error = c.error;
  return ok;
}

int countElements(const std::vector<XmlElement>& elements, const std::string& name,
                  const std::string& className) {
  int count = 0;
  for (const XmlElement& element : elements) {
    const auto found = element.attributes.find("class");
    if (element.name == name && found != element.attributes.end() && found->second == className) {
      ++count;
    }
  }
  return count;
}

}  // namespace manifit
