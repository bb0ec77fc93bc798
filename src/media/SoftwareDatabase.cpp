#include "media/SoftwareDatabase.h"

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

std::string lowerHex(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'F') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return lower;
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

// Follows the elements with a stack of names and keeps the text of the leaves it reads: the
// title's fields directly inside <software>, <type> and <hash> directly inside a dump's <rom>
// or <megarom>. Everything else (remarks, start addresses, originals) is passed over.
class SoftwareDatabaseBuilder final : public XmlEvents {
 public:
  void startElement(std::string_view name) override {
    if (path_.empty() && rootName_.empty()) {
      rootName_ = name;
    }
    path_.emplace_back(name);
    text_.clear();
    if (name == "software" && parentIs("softwaredb", 1)) {
      current_ = std::make_unique<SoftwareTitle>();
      currentUsed_ = false;
    } else if ((name == "rom" || name == "megarom") && parentIs("dump", 1)) {
      type_.clear();
      hash_.clear();
    }
  }

  void endElement(std::string_view name) override {
    if (current_ && parentIs("software", 1)) {
      std::string* field = titleField(name);
      if (field != nullptr) {
        *field = std::string(trimmed(text_));
      }
    } else if (parentIs("dump", 2) && (parentIs("rom", 1) || parentIs("megarom", 1))) {
      if (name == "type") {
        type_ = std::string(trimmed(text_));
      } else if (name == "hash") {
        hash_ = lowerHex(trimmed(text_));
      }
    } else if ((name == "rom" || name == "megarom") && parentIs("dump", 1) && current_) {
      addDump();
    } else if (name == "software" && current_) {
      if (currentUsed_) {
        database_.titles_.push_back(std::move(current_));
      }
      current_.reset();
    }
    path_.pop_back();
    text_.clear();
  }

  void text(std::string_view piece) override { text_ += piece; }

  bool rootIsDatabase() const { return rootName_ == "softwaredb"; }
  SoftwareDatabase take() { return std::move(database_); }

 private:
  // Whether the element `depth` levels above the current one is named `name`.
  bool parentIs(std::string_view name, std::size_t depth) const {
    return path_.size() > depth && path_[path_.size() - 1 - depth] == name;
  }

  std::string* titleField(std::string_view name) {
    if (name == "title") return &current_->title;
    if (name == "company") return &current_->company;
    if (name == "year") return &current_->year;
    if (name == "country") return &current_->country;
    if (name == "system") return &current_->system;
    return nullptr;
  }

  // The first dump of a digest is kept; a repeated digest is ignored.
  void addDump() {
    if (!isSha1Hex(hash_)) {
      return;
    }
    const bool added =
        database_.dumps_.try_emplace(hash_, SoftwareDump{current_.get(), type_}).second;
    currentUsed_ = currentUsed_ || added;
  }

  std::vector<std::string> path_;
  std::string text_;
  std::string rootName_;
  std::unique_ptr<SoftwareTitle> current_;
  bool currentUsed_ = false;
  std::string type_;
  std::string hash_;
  SoftwareDatabase database_;
};

std::variant<SoftwareDatabase, std::string> SoftwareDatabase::parse(std::string_view document,
                                                                    const XmlReader& xml) {
  SoftwareDatabaseBuilder builder;
  if (std::optional<std::string> error = xml.read(document, builder)) {
    return "not well-formed XML (" + *error + ")";
  }
  if (!builder.rootIsDatabase()) {
    return std::string("not a software database (its root is not <softwaredb>)");
  }
  return builder.take();
}

const SoftwareDump* SoftwareDatabase::find(std::string_view sha1Hex) const {
  const auto found = dumps_.find(lowerHex(sha1Hex));
  return found == dumps_.end() ? nullptr : &found->second;
}

}  // namespace vorlent
