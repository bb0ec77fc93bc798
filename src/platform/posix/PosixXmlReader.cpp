#include <expat.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <string>

#include "platform/XmlReader.h"

namespace vorlent {

namespace {

struct ParserDeleter {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

// Carries the events through Expat's C callbacks; an exception of a handler stops the parser
// and is thrown again once Expat has returned.
struct Session {
  XML_Parser parser;
  XmlEvents& events;
  std::exception_ptr failure;
  // Why the document was refused, when it was.
  std::string refusal;

  template <typename Call>
  void guarded(Call call) {
    if (failure) {
      return;
    }
    try {
      call();
    } catch (...) {
      failure = std::current_exception();
      XML_StopParser(parser, XML_FALSE);
    }
  }
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** /*attributes*/) {
  auto& session = *static_cast<Session*>(data);
  session.guarded([&] { session.events.startElement(name); });
}

void XMLCALL onEnd(void* data, const XML_Char* name) {
  auto& session = *static_cast<Session*>(data);
  session.guarded([&] { session.events.endElement(name); });
}

void XMLCALL onText(void* data, const XML_Char* text, int length) {
  auto& session = *static_cast<Session*>(data);
  session.guarded(
      [&] { session.events.text(std::string_view(text, static_cast<std::size_t>(length))); });
}

// An entity is refused where it is declared: the entities a document may use are then the
// predefined ones, and no text can grow beyond the document's own bytes.
void XMLCALL onEntityDeclaration(void* data, const XML_Char* /*name*/, int /*parameter*/,
                                 const XML_Char* /*value*/, int /*length*/,
                                 const XML_Char* /*base*/, const XML_Char* /*systemId*/,
                                 const XML_Char* /*publicId*/, const XML_Char* /*notation*/) {
  auto& session = *static_cast<Session*>(data);
  session.guarded([&] {
    session.refusal = "line " + std::to_string(XML_GetCurrentLineNumber(session.parser)) +
                      ": entity declarations are refused";
    XML_StopParser(session.parser, XML_FALSE);
  });
}

// Expat.
class PosixXmlReader : public XmlReader {
 public:
  std::optional<std::string> read(std::string_view bytes, XmlEvents& events) const override;
};

}  // namespace

std::optional<std::string> PosixXmlReader::read(std::string_view bytes, XmlEvents& events) const {
  // UTF-8 out whatever the document's encoding; no parameter entities, no external entities
  // (none is fetched without an external entity handler), no entity declarations.
  const std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate(nullptr));
  if (!parser) {
    throw std::bad_alloc();
  }
  XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
  Session session{parser.get(), events, nullptr, {}};
  XML_SetUserData(parser.get(), &session);
  XML_SetElementHandler(parser.get(), onStart, onEnd);
  XML_SetCharacterDataHandler(parser.get(), onText);
  XML_SetEntityDeclHandler(parser.get(), onEntityDeclaration);

  constexpr std::size_t kPiece = 1 << 20;
  XML_Status status = XML_STATUS_OK;
  std::size_t offset = 0;
  do {
    const std::size_t size = std::min(kPiece, bytes.size() - offset);
    const bool last = offset + size == bytes.size();
    status = XML_Parse(parser.get(), bytes.data() + offset, static_cast<int>(size),
                       last ? XML_TRUE : XML_FALSE);
    offset += size;
  } while (status == XML_STATUS_OK && offset < bytes.size());
  if (session.failure) {
    std::rethrow_exception(session.failure);
  }
  if (!session.refusal.empty()) {
    return session.refusal;
  }
  if (status != XML_STATUS_OK) {
    return "line " + std::to_string(XML_GetCurrentLineNumber(parser.get())) + ": " +
           XML_ErrorString(XML_GetErrorCode(parser.get()));
  }
  return std::nullopt;
}

std::unique_ptr<XmlReader> makeXmlReader() { return std::make_unique<PosixXmlReader>(); }

}  // namespace vorlent
