// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>

#include "media/SoftwareDatabase.h"
#include "media/SoftwareDatabaseSource.h"
#include "support/FakeFileSystem.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

constexpr const char* kOuterHash = "a9993e364706816aba3e25717850c26c9cd0d89d";
constexpr const char* kInnerHash = "da39a3ee5e6b4b0d3255bfef95601890afd80709";

std::string megarom(const std::string& hash) {
  return "<dump><megarom><type>KonamiSCC</type><hash>" + hash + "</hash></megarom></dump>";
}

std::string repeated(const std::string& piece, std::size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// What a document gives: the title of each hash ("" for unknown), or why it was refused.
struct Outcome {
  std::string outer;
  std::string inner;
  std::string refusal;
};

Outcome outcomeOf(const std::string& document) {
  auto result = SoftwareDatabase::parse(document, *makeXmlReader());
  if (auto* problem = std::get_if<std::string>(&result)) {
    return {"", "", *problem};
  }
  const auto& database = std::get<SoftwareDatabase>(result);
  const auto titleOf = [&](const char* hash) {
    const SoftwareDump* dump = database.find(hash);
    return dump == nullptr ? std::string("") : dump->software->title;
  };
  return {titleOf(kOuterHash), titleOf(kInnerHash), ""};
}

// Only a <software> directly inside the root is a title, and only its own fields and dumps
// count: whatever nests elsewhere is passed over, in any order.
TEST(SoftwareDatabaseBoundsTest, NoElementOrderLeavesADumpWithoutItsTitle) {
  const std::string title = "<title>Outer " + std::string(40, 'x') + "</title>";
  const std::string outer = "Outer " + std::string(40, 'x');
  const struct {
    const char* what;
    std::string document;
    std::string outer;
    std::string inner;
  } cases[] = {
      {"a database nested in a title after its dump",
       "<softwaredb><software>" + title + megarom(kOuterHash) +
           "<softwaredb><software><title>Inner</title></software></softwaredb>"
           "</software></softwaredb>",
       outer, ""},
      {"a nested title with a dump of its own",
       "<softwaredb><software>" + title + megarom(kOuterHash) +
           "<softwaredb><software><title>Inner</title>" + megarom(kInnerHash) +
           "</software></softwaredb></software></softwaredb>",
       outer, ""},
      {"the dump after the nested database",
       "<softwaredb><software>" + title +
           "<softwaredb><software><title>Inner</title></software></softwaredb>" +
           megarom(kOuterHash) + "</software></softwaredb>",
       outer, ""},
      {"a title directly inside a title",
       "<softwaredb><software>" + title + megarom(kOuterHash) + "<software><title>Inner</title>" +
           megarom(kInnerHash) + "</software>" + "</software></softwaredb>",
       outer, ""},
      {"fields of a deeper element",
       "<softwaredb><software>" + title + "<x><title>Inner</title></x>" +
           "<dump><x><megarom><hash>" + kInnerHash + "</hash></megarom></x></dump>" +
           megarom(kOuterHash) + "</software></softwaredb>",
       outer, ""},
  };
  const testing::Watchdog watchdog("the database");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome outcome = outcomeOf(c.document);
    EXPECT_EQ(outcome.refusal, "");
    EXPECT_EQ(outcome.outer, c.outer);
    EXPECT_EQ(outcome.inner, c.inner);
  }
}

// The real database declares no entity, nests five deep and has no text longer than half a
// kilobyte; a document that would make the reader grow beyond that is refused whole.
TEST(SoftwareDatabaseBoundsTest, RefusesEntitiesDeepNestingAndOverlongTexts) {
  const std::string head = "<?xml version=\"1.0\"?>\n<!DOCTYPE softwaredb SYSTEM \"s.dtd\">\n";
  const std::string flatEntity = "<?xml version=\"1.0\"?>\n<!DOCTYPE softwaredb [<!ENTITY e \"" +
                                 std::string(300, 'e') + "\">]>\n<softwaredb><software><title>" +
                                 repeated("&e;", 340000) + "</title>" + megarom(kOuterHash) +
                                 "</software></softwaredb>";
  const std::string declaredOnly =
      "<!DOCTYPE softwaredb [<!ENTITY e \"e\">]><softwaredb><software><title>T</title>" +
      megarom(kOuterHash) + "</software></softwaredb>";
  const std::string defaults = "<!DOCTYPE softwaredb [<!ATTLIST x" +
                               [] {
                                 std::string list;
                                 for (int i = 0; i < 10000; ++i)
                                   list += " a" + std::to_string(i) + " CDATA 'v'";
                                 return list;
                               }() +
                               ">]><softwaredb>" + repeated("<x/>", 1000000) + "</softwaredb>";
  const auto nested = [&](std::size_t depth) {
    return head + "<softwaredb><software><title>Deep</title>" + megarom(kOuterHash) +
           repeated("<x>", depth - 2) + repeated("</x>", depth - 2) + "</software></softwaredb>";
  };
  const auto titled = [&](std::size_t length) {
    return head + "<softwaredb><software><title>" + std::string(length, 't') + "</title>" +
           megarom(kOuterHash) + "</software></softwaredb>";
  };
#ifdef _WIN32
  // Wine's XmlLite refuses an internal subset itself (E_NOTIMPL) before the reader's own check
  // sees the declaration: the document is refused all the same, in the reader's words.
  const std::string entityRefusal = "not well-formed XML";
#else
  const std::string entityRefusal = "internal DTD subsets are refused";
#endif
  const struct {
    const char* what;
    std::string document;
    std::string refusal;  // empty: read, and the outer hash is known
  } cases[] = {
      {"a flat entity used 340,000 times", flatEntity, entityRefusal},
      {"an entity declared and not used", declaredOnly, entityRefusal},
      {"10,000 attribute defaults on a million elements", defaults, entityRefusal},
      {"an empty internal subset", "<!DOCTYPE softwaredb []><softwaredb/>", entityRefusal},
      {"3 million nested elements", nested(3000000), "elements nested deeper than 16"},
      {"one level too deep", nested(17), "elements nested deeper than 16"},
      {"as deep as allowed", nested(16), ""},
      {"a text one byte too long", titled(65537), "a text longer than 65536 bytes"},
      {"a text as long as allowed", titled(65536), ""},
      {"many texts each as long as allowed",
       head + "<softwaredb>" + repeated(std::string(65536, ' ') + "<x/>", 64) +
           "<software><title>T</title>" + megarom(kOuterHash) + "</software></softwaredb>",
       ""},
  };
  const testing::Watchdog watchdog("the database", std::chrono::seconds(120));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome outcome = outcomeOf(c.document);
    if (c.refusal.empty()) {
      EXPECT_EQ(outcome.refusal, "");
      EXPECT_FALSE(outcome.outer.empty());
    } else {
      EXPECT_NE(outcome.refusal.find(c.refusal), std::string::npos) << outcome.refusal;
      EXPECT_EQ(outcome.outer, "");
    }
  }
}

class ExhaustedXml final : public XmlReader {
 public:
  std::optional<std::string> read(std::string_view, XmlEvents&) const override {
    throw std::bad_alloc();
  }
};

TEST(SoftwareDatabaseBoundsTest, AFailedAllocationIsALoadFailure) {
  testing::FakeFileSystem files;
  files.files["/db/softwaredb.xml"] = "<softwaredb/>";
  ExhaustedXml xml;
  const auto sha1 = makeSha1Digester();
  SoftwareDatabaseSource source({"/db/softwaredb.xml"}, files, xml, *sha1);
  EXPECT_EQ(source.database(), nullptr);
  EXPECT_EQ(source.problem(), "not enough memory to read it");
  EXPECT_EQ(source.path(), "/db/softwaredb.xml");
  EXPECT_FALSE(source.available());
}

}  // namespace
}  // namespace vorlent
