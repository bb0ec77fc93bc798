// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/XmlReader.h"

namespace vorlent {

// The real database nests five deep and its longest text is about half a kilobyte.
inline constexpr std::size_t kSoftwareDatabaseDepthLimit = 16;
inline constexpr std::size_t kSoftwareDatabaseTextLimit = 64u << 10;

// What the MSX software database says of one title.
struct SoftwareTitle {
  std::string title;
  std::string company;
  std::string year;
  std::string country;
  std::string system;
};

// One dump of a title: a ROM image known by its SHA-1.
struct SoftwareDump {
  // Shared by the title's dumps, so that no dump can outlive its title.
  std::shared_ptr<const SoftwareTitle> software;
  // The dump's <type>, empty when it gives none.
  std::string type;
};

// The database of ROM dumps by SHA-1, read from the softwaredb XML format: <software> entries
// with <title>, <system>, <company>, <year> and <country>, and <dump>s each holding a <rom> or
// <megarom> with an optional <type> and the image's <hash>. Only that structure is read, at
// its own depths; everything else is passed over. A document that would make the reader grow
// beyond the real database's shape (an entity declaration, elements nested deeper than
// kSoftwareDatabaseDepthLimit, a text longer than kSoftwareDatabaseTextLimit) is refused.
class SoftwareDatabase {
 public:
  // The database in the document, read with xml, or why the document is not one.
  static std::variant<SoftwareDatabase, std::string> parse(std::string_view document,
                                                           const XmlReader& xml);

  // The dump with the digest (forty hexadecimal digits, either case); nothing when unknown.
  const SoftwareDump* find(std::string_view sha1Hex) const;

  std::size_t titleCount() const { return titles_.size(); }
  std::size_t dumpCount() const { return dumps_.size(); }

  SoftwareDatabase(SoftwareDatabase&&) = default;
  SoftwareDatabase& operator=(SoftwareDatabase&&) = default;

 private:
  SoftwareDatabase() = default;
  friend class SoftwareDatabaseBuilder;

  std::vector<std::shared_ptr<const SoftwareTitle>> titles_;
  // By digest, each digest once: a sorted table, whose building and lookup no choice of
  // digests can slow down as colliding keys slow a hash table.
  std::vector<std::pair<std::string, SoftwareDump>> dumps_;
};

}  // namespace vorlent
