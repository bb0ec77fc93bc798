// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "media/RomIdentity.h"
#include "platform/Failure.h"
#include "platform/Sha1Digester.h"
#include "platform/WholeFile.h"
#include "platform/XmlReader.h"
#include "support/SoftwareDatabaseText.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

// Windows' own digest (CNG) and XML reader (XmlLite) behind the platform's interfaces.
TEST(Win32SoftwareDatabaseTest, DigestIsTheStandardSha1) {
  EXPECT_EQ(sha1Hex(makeSha1Digester()->digestOf("abc")),
            "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(sha1Hex(makeSha1Digester()->digestOf("")), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
}

TEST(Win32SoftwareDatabaseTest, ReadsTheDatabaseFormatAndRefusesBrokenDocuments) {
  const std::string abc = "a9993e364706816aba3e25717850c26c9cd0d89d";
  const auto xml = makeXmlReader();
  auto parsed = SoftwareDatabase::parse(
      testing::softwareDatabaseText(
          {{"Game &amp; Watch \xe3\x81\x82",
            "Konami",
            "1986",
            "JP",
            "MSX",
            {{abc, "KonamiSCC", true}}},
           {"Plain", "Maker", "1984", "UK", "SVI", {{std::string(40, 'B'), "", false}}}}),
      *xml);
  ASSERT_TRUE(std::holds_alternative<SoftwareDatabase>(parsed)) << std::get<std::string>(parsed);
  const SoftwareDatabase& database = std::get<SoftwareDatabase>(parsed);
  EXPECT_EQ(database.dumpCount(), 2u);
  ASSERT_NE(database.find(abc), nullptr);
  EXPECT_EQ(database.find(abc)->software->title, "Game & Watch \xe3\x81\x82");
  EXPECT_EQ(database.find(abc)->type, "KonamiSCC");
  ASSERT_NE(database.find(std::string(40, 'b')), nullptr);
  EXPECT_EQ(database.find(std::string(40, 'b'))->software->system, "SVI");

  for (const char* bad :
       {"", "<softwaredb><software>", "<a></b>", "<other/>", "<softwaredb><software><title>x"}) {
    SCOPED_TRACE(bad);
    EXPECT_TRUE(std::holds_alternative<std::string>(SoftwareDatabase::parse(bad, *xml)));
  }
}

TEST(Win32SoftwareDatabaseTest, ImagesAreReadWholeAndFoldersRefused) {
  const testing::TempFolder folder;
  const std::string image = folder.write("GAME.ROM", "abc");
  EXPECT_EQ(readWholeRegularFile(image, 16), "abc");
  EXPECT_THROW(readWholeRegularFile(image, 2), Failure);
  EXPECT_THROW(readWholeRegularFile(folder.string(), 16), Failure);
  EXPECT_THROW(readWholeRegularFile(folder.at("missing.rom"), 16), Failure);
  EXPECT_THROW(readWholeRegularFile("NUL", 16), Failure);
}

}  // namespace
}  // namespace vorlent
