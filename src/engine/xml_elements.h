#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

// One element of an XML document: its name, its attributes with their entities decoded, and
// its child elements. Text between elements is not kept: the files we read carry everything in
// attributes.
struct XmlElement {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::vector<XmlElement> children;
  int line = 0; // where its start tag begins, for messages

  // The value of an attribute, or null when the element has none of that name.
  const std::string* Attribute(std::string_view attribute) const;
};

struct XmlDocument {
  bool ok = false;
  XmlElement root;
  std::string fault; // why the text is not a document we can read, with its line
};

// Limits that keep a hostile file from costing more than a small one.
inline constexpr int MaxXmlDepth = 16;
inline constexpr int MaxXmlElements = 100000;
inline constexpr int MaxXmlAttributes = 32;

// Reads a whole document of elements and attributes. Comments, processing instructions,
// CDATA sections and a document type declaration without an internal subset are skipped;
// anything else that is not well-formed XML is refused.
XmlDocument ReadXml(std::string_view text);

} // namespace engine
