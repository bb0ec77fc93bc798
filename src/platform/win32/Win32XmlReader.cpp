// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
// windows.h first: the COM and shell headers need its types.
#include <objbase.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "platform/XmlReader.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

// XmlLite is part of every Windows since Vista; it is loaded by name because the MinGW
// toolchain ships no import library for it.
using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

CreateXmlReaderFunction createXmlReader() {
  static const CreateXmlReaderFunction function = [] {
    const HMODULE library = ::LoadLibraryW(L"xmllite.dll");
    if (library == nullptr) {
      return CreateXmlReaderFunction{nullptr};
    }
    FARPROC address = ::GetProcAddress(library, "CreateXmlReader");
    CreateXmlReaderFunction result = nullptr;
    static_assert(sizeof(result) == sizeof(address));
    std::memcpy(&result, &address, sizeof(result));
    return result;
  }();
  return function;
}

template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (pointer_ != nullptr) {
      pointer_->Release();
    }
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;

  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  Interface** put() { return &pointer_; }
  void reset(Interface* pointer) {
    if (pointer_ != nullptr) {
      pointer_->Release();
    }
    pointer_ = pointer;
  }

 private:
  Interface* pointer_ = nullptr;
};

std::string utf8(const WCHAR* text, UINT length) {
  return win32::codePageFromWide(std::wstring_view(text, length), CP_UTF8);
}

std::string errorText(HRESULT result, IXmlReader& reader) {
  UINT line = 0;
  reader.GetLineNumber(&line);
  char code[16];
  wsprintfA(code, "%08lX", static_cast<unsigned long>(result));
  return "line " + std::to_string(line) + ": XmlLite error 0x" + code;
}

// The line of the document type declaration's internal subset in the prologue, if it has one.
// XmlLite reports the declaration itself with no sure way to tell its subset apart, so the
// prologue's bytes are read: outside its quoted literals, a "[" before the declaration's ">".
std::optional<std::size_t> internalSubsetLine(std::string_view bytes) {
  const std::size_t declaration = bytes.find("<!DOCTYPE");
  if (declaration == std::string_view::npos) return std::nullopt;
  for (std::size_t at = bytes.find('<'); at < declaration; at = bytes.find('<', at + 1)) {
    const char next = at + 1 < bytes.size() ? bytes[at + 1] : '\0';
    if (next != '?' && next != '!') return std::nullopt;  // an element came first
  }
  char quote = '\0';
  for (std::size_t at = declaration; at < bytes.size(); ++at) {
    const char c = bytes[at];
    if (quote != '\0') {
      if (c == quote) quote = '\0';
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return std::nullopt;
    } else if (c == '[') {
      return 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + at, '\n'));
    }
  }
  return std::nullopt;
}

// XmlLite.
class Win32XmlReader : public XmlReader {
 public:
  std::optional<std::string> read(std::string_view bytes, XmlEvents& events) const override;
};

}  // namespace

std::optional<std::string> Win32XmlReader::read(std::string_view bytes, XmlEvents& events) const {
  const CreateXmlReaderFunction create = createXmlReader();
  if (create == nullptr) {
    return "XmlLite is not available";
  }
  if (bytes.size() > 0x7fffffff) {
    return "the document is too large";
  }
  if (const auto line = internalSubsetLine(bytes)) {
    return "line " + std::to_string(*line) + ": " + std::string(kInternalSubsetRefusal);
  }
  ComPointer<IStream> stream;
  stream.reset(::SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()),
                                   static_cast<UINT>(bytes.size())));
  if (stream.get() == nullptr) {
    throw std::bad_alloc();
  }
  ComPointer<IXmlReader> reader;
  if (FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(reader.put()), nullptr))) {
    return "XmlLite is not available";
  }
  // A document type declaration is allowed (the real database names its DTD), but an external
  // one is not fetched, since the reader has no resolver, and an internal subset was refused
  // above, before any of it is read. The expansion limit is a second
  // guard should the subset not be reported: one expansion of an entity, as long as the
  // document, at most.
  reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Parse);
  reader->SetProperty(XmlReaderProperty_XmlResolver, 0);
  reader->SetProperty(XmlReaderProperty_MaxEntityExpansion, 1);
  if (FAILED(reader->SetInput(stream.get()))) {
    return "XmlLite cannot read the document";
  }

  XmlNodeType type = XmlNodeType_None;
  HRESULT result = S_OK;
  while ((result = reader->Read(&type)) == S_OK) {
    const WCHAR* text = nullptr;
    UINT length = 0;
    switch (type) {
      case XmlNodeType_Element: {
        const bool empty = reader->IsEmptyElement() != FALSE;
        reader->GetQualifiedName(&text, &length);
        const std::string name = utf8(text, length);
        events.startElement(name);
        if (empty) {
          events.endElement(name);
        }
        break;
      }
      case XmlNodeType_EndElement:
        reader->GetQualifiedName(&text, &length);
        events.endElement(utf8(text, length));
        break;
      case XmlNodeType_Text:
      case XmlNodeType_CDATA:
      case XmlNodeType_Whitespace:
        reader->GetValue(&text, &length);
        // A text node is never empty. A reader that reports one has run out of input without
        // saying so, and reports it again on every read (Wine's, where a document ends inside
        // a text): that is the end of input within an element.
        if (length == 0) {
          return errorText(static_cast<HRESULT>(static_cast<DWORD>(MX_E_INPUTEND)), *reader.get());
        }
        events.text(utf8(text, length));
        break;
      default:
        break;
    }
  }
  if (FAILED(result)) {
    return errorText(result, *reader.get());
  }
  return std::nullopt;
}

std::unique_ptr<XmlReader> makeXmlReader() { return std::make_unique<Win32XmlReader>(); }

}  // namespace vorlent
