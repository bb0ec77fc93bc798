// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "media/SoftwareDatabase.h"
#include "platform/XmlReader.h"

// The software database parser over the platform's XML reader, as the program reads a
// softwaredb.xml it finds. A document is either refused with a reason or gives a database
// whose every dump has its title; the sanitizers watch everything in between.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto xml = vorlent::makeXmlReader();
  const std::string_view document(reinterpret_cast<const char*>(data), size);
  auto result = vorlent::SoftwareDatabase::parse(document, *xml);
  if (const auto* problem = std::get_if<std::string>(&result)) {
    if (problem->empty()) __builtin_trap();
    return 0;
  }
  const auto& database = std::get<vorlent::SoftwareDatabase>(result);
  if (database.titleCount() > database.dumpCount()) __builtin_trap();
  // Every digest of the document that the database knows leads to a title whose fields can be
  // read whole.
  for (std::size_t at = document.find("<hash>"); at != std::string_view::npos;
       at = document.find("<hash>", at + 1)) {
    const vorlent::SoftwareDump* dump = database.find(document.substr(at + 6, 40));
    if (dump == nullptr) continue;
    if (!dump->software) __builtin_trap();
    const std::string copy = dump->software->title + dump->software->company + dump->type;
    if (copy.size() > 3 * vorlent::kSoftwareDatabaseTextLimit) __builtin_trap();
  }
  return 0;
}
