#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

// What an XML reader reports, in document order. Text may come in several pieces; CDATA
// sections are text. Attributes, comments and processing instructions are not reported.
class XmlEvents {
 public:
  virtual ~XmlEvents() = default;
  virtual void startElement(std::string_view name) = 0;
  virtual void endElement(std::string_view name) = 0;
  virtual void text(std::string_view piece) = 0;
};

// Reads the XML document in the bytes with the platform's XML parser. Names and text are
// UTF-8. A document type declaration is allowed, but no external DTD or entity is fetched, and
// a document that declares an entity is refused ("entity declarations are refused").
// Returns nothing when the whole document was read, otherwise why it is not well-formed.
// Defined by the native library alone: the core is handed an XmlReader instead.
std::optional<std::string> readXmlDocument(std::string_view bytes, XmlEvents& events);

}  // namespace vorlent
