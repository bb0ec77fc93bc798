// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/SoftwareDatabase.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

#include "platform/PathParts.h"
#include "platform/XmlReader.h"

namespace vorlent {

namespace {

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isSha1Hex(std::string_view text) {
  if (text.size() != 40) {
    return false;
  }
  for (const char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
      return false;
    }
  }
  return true;
}

}  // namespace

// Why a document is refused before it is read to its end.
struct SoftwareDatabaseRefusal {
  std::string reason;
};

// Follows the elements with a stack of names and keeps the text of the leaves it reads, each at
// its own depth below the root: a title's fields in softwaredb/software, a dump's <type> and
// <hash> in softwaredb/software/dump/rom (or megarom). Everything else (remarks, start
// addresses, originals, and the same names anywhere else) is passed over.
class SoftwareDatabaseBuilder final : public XmlEvents {
 public:
  void startElement(std::string_view name) override {
    if (path_.size() == kSoftwareDatabaseDepthLimit) {
      throw SoftwareDatabaseRefusal{"elements nested deeper than " +
                                    std::to_string(kSoftwareDatabaseDepthLimit)};
    }
    if (path_.empty() && rootName_.empty()) {
      rootName_ = name;
    }
    path_.emplace_back(name);
    text_.clear();
    if (isSoftware()) {
      current_ = std::make_shared<SoftwareTitle>();
      currentUsed_ = false;
    } else if (isImage(path_.size() - 1)) {
      type_.clear();
      hash_.clear();
    }
  }

  void endElement(std::string_view name) override {
    if (current_ && isDirectlyIn({"softwaredb", "software"})) {
      if (std::string* field = titleField(name)) {
        *field = std::string(trimmed(text_));
      }
    } else if (path_.size() == 5 && isImage(path_.size() - 2)) {
      if (name == "type") {
        type_ = std::string(trimmed(text_));
      } else if (name == "hash") {
        hash_ = asciiLower(trimmed(text_));
      }
    } else if (current_ && isImage(path_.size() - 1)) {
      addDump();
    } else if (current_ && isSoftware()) {
      if (currentUsed_) {
        database_.titles_.push_back(std::move(current_));
      }
      current_.reset();
    }
    path_.pop_back();
    text_.clear();
  }

  void text(std::string_view piece) override {
    if (piece.size() > kSoftwareDatabaseTextLimit - text_.size()) {
      throw SoftwareDatabaseRefusal{"a text longer than " +
                                    std::to_string(kSoftwareDatabaseTextLimit) + " bytes"};
    }
    text_ += piece;
  }

  bool rootIsDatabase() const { return rootName_ == "softwaredb"; }
  SoftwareDatabase take();

 private:
  // Whether the current element lies directly inside the elements named, from the root down.
  bool isDirectlyIn(std::initializer_list<std::string_view> outer) const {
    return path_.size() == outer.size() + 1 &&
           std::equal(outer.begin(), outer.end(), path_.begin());
  }

  bool isSoftware() const { return isDirectlyIn({"softwaredb"}) && path_.back() == "software"; }

  // Whether path_[level] is a dump's <rom> or <megarom>.
  bool isImage(std::size_t level) const {
    return level == 3 && path_.size() > 3 && path_[0] == "softwaredb" && path_[1] == "software" &&
           path_[2] == "dump" && (path_[3] == "rom" || path_[3] == "megarom");
  }

  std::string* titleField(std::string_view name) {
    if (name == "title") return &current_->title;
    if (name == "company") return &current_->company;
    if (name == "year") return &current_->year;
    if (name == "country") return &current_->country;
    if (name == "system") return &current_->system;
    return nullptr;
  }

  // Repeated digests are left for take().
  void addDump() {
    if (!isSha1Hex(hash_)) {
      return;
    }
    database_.dumps_.emplace_back(hash_, SoftwareDump{current_, type_});
    currentUsed_ = true;
  }

  std::vector<std::string> path_;
  std::string text_;
  std::string rootName_;
  std::shared_ptr<SoftwareTitle> current_;
  bool currentUsed_ = false;
  std::string type_;
  std::string hash_;
  SoftwareDatabase database_;
};

// The first dump of a digest is kept and a repeated digest ignored; a title none of whose dumps
// is kept is dropped.
SoftwareDatabase SoftwareDatabaseBuilder::take() {
  auto& dumps = database_.dumps_;
  const auto byDigest = [](const auto& a, const auto& b) { return a.first < b.first; };
  std::stable_sort(dumps.begin(), dumps.end(), byDigest);
  dumps.erase(std::unique(dumps.begin(), dumps.end(),
                          [](const auto& a, const auto& b) { return a.first == b.first; }),
              dumps.end());
  std::vector<const SoftwareTitle*> kept;
  kept.reserve(dumps.size());
  for (const auto& dump : dumps) {
    kept.push_back(dump.second.software.get());
  }
  std::sort(kept.begin(), kept.end(), std::less<>());
  auto& titles = database_.titles_;
  titles.erase(std::remove_if(titles.begin(), titles.end(),
                              [&](const auto& title) {
                                return !std::binary_search(kept.begin(), kept.end(), title.get(),
                                                           std::less<>());
                              }),
               titles.end());
  return std::move(database_);
}

std::variant<SoftwareDatabase, std::string> SoftwareDatabase::parse(std::string_view document,
                                                                    const XmlReader& xml) {
  SoftwareDatabaseBuilder builder;
  try {
    if (std::optional<std::string> error = xml.read(document, builder)) {
      return "not well-formed XML (" + *error + ")";
    }
  } catch (const SoftwareDatabaseRefusal& refusal) {
    return "refused: " + refusal.reason;
  }
  if (!builder.rootIsDatabase()) {
    return std::string("not a software database (its root is not <softwaredb>)");
  }
  return builder.take();
}

const SoftwareDump* SoftwareDatabase::find(std::string_view sha1Hex) const {
  const std::string digest = asciiLower(sha1Hex);
  const auto found =
      std::lower_bound(dumps_.begin(), dumps_.end(), digest,
                       [](const auto& dump, const std::string& key) { return dump.first < key; });
  return found == dumps_.end() || found->first != digest ? nullptr : &found->second;
}

}  // namespace vorlent
