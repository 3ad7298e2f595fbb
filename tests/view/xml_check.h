// A strict reader of the page's markup: checks that it is well-formed XML
// (one root, matched tags, quoted attributes, known character references, an
// optional doctype, CDATA sections inside elements) and lists its elements, for the tests to count.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace manifit {

struct XmlElement {
  std::string name;
  std::map<std::string, std::string> attributes;  // values as written
};

// The elements in document order; false with a message when the text is not
// well-formed.
bool parseXml(const std::string& text, std::vector<XmlElement>& elements, std::string& error);

// How many elements have this name and this class attribute.
int countElements(const std::vector<XmlElement>& elements, const std::string& name,
                  const std::string& className);

}  // namespace manifit
