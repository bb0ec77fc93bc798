#include "platform/XmlReader.h"

namespace vorlent {

namespace {

class NativeXmlReader : public XmlReader {
 public:
  std::optional<std::string> read(std::string_view bytes, XmlEvents& events) const override {
    return readXmlDocument(bytes, events);
  }
};

}  // namespace

std::unique_ptr<XmlReader> makeXmlReader() { return std::make_unique<NativeXmlReader>(); }

}  // namespace vorlent
