#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/XmlDocument.h"

namespace vorlent {

// The platform's XML parser (see readXmlDocument for what it reports and allows).
class XmlReader {
 public:
  virtual ~XmlReader() = default;

  // Nothing when the whole document was read, otherwise why it is not well-formed.
  virtual std::optional<std::string> read(std::string_view bytes, XmlEvents& events) const = 0;
};

std::unique_ptr<XmlReader> makeXmlReader();

}  // namespace vorlent
