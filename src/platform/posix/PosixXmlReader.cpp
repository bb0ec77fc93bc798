// SPDX-License-Identifier: GPL-3.0-or-later
#include <expat.h>

#include <exception>
#include <limits>
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

// A document type declaration may name its DTD, which is not read, but may not carry an internal
// subset: the real database has none, and a subset's declarations would make the reader's work
// grow beyond the document (an entity expanded many times, an attribute default added to every
// element). The subset is refused where it begins, before any of its declarations is read.
void XMLCALL onDoctypeStart(void* data, const XML_Char* /*name*/, const XML_Char* /*systemId*/,
                            const XML_Char* /*publicId*/, int hasInternalSubset) {
  auto& session = *static_cast<Session*>(data);
  if (hasInternalSubset == 0) {
    return;
  }
  session.guarded([&] {
    session.refusal = "line " + std::to_string(XML_GetCurrentLineNumber(session.parser)) + ": " +
                      std::string(kInternalSubsetRefusal);
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
  // (none is fetched without an external entity handler), no internal subset.
  const std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate(nullptr));
  if (!parser) {
    throw std::bad_alloc();
  }
  XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
  Session session{parser.get(), events, nullptr, {}};
  XML_SetUserData(parser.get(), &session);
  XML_SetElementHandler(parser.get(), onStart, onEnd);
  XML_SetCharacterDataHandler(parser.get(), onText);
  XML_SetStartDoctypeDeclHandler(parser.get(), onDoctypeStart);

  // One call for the whole document: a token that spans the pieces of several calls would be
  // scanned again from its start at every call.
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    return std::string("the document is too large");
  }
  const XML_Status status =
      XML_Parse(parser.get(), bytes.data(), static_cast<int>(bytes.size()), XML_TRUE);
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
