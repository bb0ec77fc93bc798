// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
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

// Why a document with an internal DTD subset is refused.
inline constexpr std::string_view kInternalSubsetRefusal = "internal DTD subsets are refused";

// The platform's XML parser. Names and text are UTF-8. A document type declaration is allowed,
// but no external DTD or entity is fetched, and a document whose declaration carries an
// internal subset is refused, before any of its declarations is read: the work of a read then
// grows with the document alone (no entity expands, no attribute default multiplies).
class XmlReader {
 public:
  virtual ~XmlReader() = default;

  // Nothing when the whole document was read, otherwise why it is not well-formed.
  virtual std::optional<std::string> read(std::string_view bytes, XmlEvents& events) const = 0;
};

std::unique_ptr<XmlReader> makeXmlReader();

}  // namespace vorlent
