#include "engine/xml_elements.h"

#include <algorithm>
#include <cstdint>

namespace engine {

const std::string* XmlElement::Attribute(std::string_view attribute) const {
  for (const auto& [key, value] : attributes)
    if (key == attribute) return &value;
  return nullptr;
}

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameStart(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || u >= 0x80;
}

bool IsNameChar(char c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

void AppendUtf8(std::string& out, std::uint32_t code) {
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

// A single forward pass over the text; every loop advances, and nesting is limited, so the cost
// is bounded by the length of the text.
class Parser {
public:
  explicit Parser(std::string_view text) : text_(text) {}

  XmlDocument Document() {
    XmlDocument doc;
    if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    if (Prolog() && Expect('<', "the file holds no element") && Element(doc.root, 1) && Misc() &&
        (AtEnd() || Fail("text follows the end of <" + doc.root.name + ">")))
      doc.ok = true;
    doc.fault = fault_;
    return doc;
  }

private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool StartsWith(std::string_view s) const { return text_.substr(pos_).starts_with(s); }

  void Advance(std::size_t n) {
    for (std::size_t end = std::min(text_.size(), pos_ + n); pos_ < end; ++pos_)
      if (text_[pos_] == '\n') ++line_;
  }
  void SkipSpace() {
    while (!AtEnd() && IsSpace(Peek())) Advance(1);
  }

  bool Fail(const std::string& why) {
    if (fault_.empty()) fault_ = "line " + std::to_string(line_) + ": " + why;
    return false;
  }
  bool Expect(char c, const std::string& otherwise) {
    if (Peek() != c) return Fail(otherwise);
    Advance(1);
    return true;
  }

  // Skips past `end`, which must come before the end of the text.
  bool SkipPast(std::string_view end, const std::string& what) {
    const std::size_t at = text_.find(end, pos_);
    if (at == std::string_view::npos) return Fail(what + " is not closed");
    Advance(at + end.size() - pos_);
    return true;
  }

  // Comments and processing instructions, which may stand between elements.
  bool SkipMarkup(bool& skipped) {
    skipped = true;
    if (StartsWith("<!--")) return SkipPast("-->", "a comment");
    if (StartsWith("<?")) return SkipPast("?>", "a processing instruction");
    skipped = false;
    return true;
  }

  bool Misc() {
    for (;;) {
      SkipSpace();
      bool skipped = false;
      if (!SkipMarkup(skipped)) return false;
      if (!skipped) return true;
    }
  }

  bool Prolog() {
    for (;;) {
      if (!Misc()) return false;
      if (!StartsWith("<!DOCTYPE")) return true;
      const std::size_t close = text_.find('>', pos_);
      const std::size_t subset = text_.find('[', pos_);
      if (subset != std::string_view::npos && (close == std::string_view::npos || subset < close))
        return Fail("a document type declaration with its own definitions is not supported");
      if (!SkipPast(">", "the document type declaration")) return false;
    }
  }

  bool Name(std::string& out, const std::string& what) {
    if (!IsNameStart(Peek())) return Fail("a name is missing " + what);
    const std::size_t start = pos_;
    while (!AtEnd() && IsNameChar(Peek())) ++pos_;
    out = text_.substr(start, pos_ - start);
    return true;
  }

  bool Entity(std::string& out) {
    const std::size_t semicolon = text_.find(';', pos_);
    if (semicolon == std::string_view::npos || semicolon - pos_ > 10)
      return Fail("an \"&\" does not start an entity");
    const std::string_view entity = text_.substr(pos_ + 1, semicolon - pos_ - 1);
    static constexpr std::pair<std::string_view, char> Named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [name, c] : Named)
      if (entity == name) {
        out += c;
        Advance(semicolon + 1 - pos_);
        return true;
      }
    if (entity.size() < 2 || entity[0] != '#')
      return Fail("unknown entity &" + std::string(entity) + ";");
    const bool hex = entity[1] == 'x';
    const std::string_view digits = entity.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    for (char c : digits) {
      int d = c >= '0' && c <= '9'          ? c - '0'
              : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
              : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                            : -1;
      if (d < 0 || code > 0x10FFFF)
        return Fail("bad character reference &" + std::string(entity) + ";");
      code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
    }
    if (digits.empty() || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return Fail("bad character reference &" + std::string(entity) + ";");
    AppendUtf8(out, code);
    Advance(semicolon + 1 - pos_);
    return true;
  }

  bool AttributeValue(std::string& out) {
    const char quote = Peek();
    if (quote != '"' && quote != '\'') return Fail("an attribute value is not in quotes");
    Advance(1);
    for (;;) {
      if (AtEnd()) return Fail("an attribute value is not closed");
      const char c = Peek();
      if (c == quote) break;
      if (c == '<') return Fail("an attribute value holds \"<\"");
      if (c == '&') {
        if (!Entity(out)) return false;
      } else {
        out += c;
        Advance(1);
      }
    }
    Advance(1);
    return true;
  }

  bool StartTag(XmlElement& element, bool& empty) {
    element.line = line_;
    if (!Name(element.name, "after \"<\"")) return false;
    for (;;) {
      const bool spaced = IsSpace(Peek());
      SkipSpace();
      if (StartsWith("/>")) {
        Advance(2);
        empty = true;
        return true;
      }
      if (Peek() == '>') {
        Advance(1);
        empty = false;
        return true;
      }
      if (AtEnd()) return Fail("the file ends inside the tag <" + element.name + ">");
      if (!spaced) return Fail("attributes of <" + element.name + "> must be separated by spaces");
      if (element.attributes.size() >= MaxXmlAttributes)
        return Fail("<" + element.name + "> has too many attributes");
      std::string key, value;
      if (!Name(key, "for an attribute of <" + element.name + ">")) return false;
      SkipSpace();
      if (!Expect('=', "the attribute " + key + " of <" + element.name + "> has no value"))
        return false;
      SkipSpace();
      if (!AttributeValue(value)) return false;
      if (element.Attribute(key)) return Fail("<" + element.name + "> names " + key + " twice");
      element.attributes.emplace_back(std::move(key), std::move(value));
    }
  }

  // Called with the "<" of the start tag consumed.
  bool Element(XmlElement& element, int depth) {
    if (depth > MaxXmlDepth) return Fail("elements are nested too deeply");
    if (++elements_ > MaxXmlElements) return Fail("the file holds too many elements");
    bool empty = false;
    if (!StartTag(element, empty)) return false;
    if (empty) return true;
    for (;;) {
      const std::size_t next = text_.find('<', pos_);
      if (next == std::string_view::npos)
        return Fail("the file ends before </" + element.name + ">");
      Advance(next - pos_); // text between elements carries nothing we read
      bool skipped = false;
      if (!SkipMarkup(skipped)) return false;
      if (skipped) continue;
      if (StartsWith("<![CDATA[")) {
        if (!SkipPast("]]>", "a CDATA section")) return false;
        continue;
      }
      if (StartsWith("</")) {
        Advance(2);
        std::string name;
        if (!Name(name, "after \"</\"")) return false;
        if (name != element.name)
          return Fail("</" + name + "> closes <" + element.name + "> of line " +
                      std::to_string(element.line));
        SkipSpace();
        return Expect('>', "the end tag </" + name + "> is not closed");
      }
      if (StartsWith("<!")) return Fail("unexpected \"<!\" inside <" + element.name + ">");
      Advance(1);
      element.children.emplace_back();
      if (!Element(element.children.back(), depth + 1)) return false;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int elements_ = 0;
  std::string fault_;
};

} // namespace

XmlDocument ReadXml(std::string_view text) {
  return Parser(text).Document();
}

} // namespace engine
