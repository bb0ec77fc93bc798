// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "media/RomIdentity.h"
#include "media/SoftwareDatabaseSource.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/Sha1Digester.h"
#include "support/HostileFiles.h"
#include "support/SoftwareDatabaseText.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::softwareDatabaseText;
using testing::TempFolder;
using testing::TestDump;
using testing::TestSoftware;

// SHA-1 of "abc" (FIPS 180-1) and of nothing.
constexpr const char* kAbc = "a9993e364706816aba3e25717850c26c9cd0d89d";
constexpr const char* kEmpty = "da39a3ee5e6b4b0d3255bfef95601890afd80709";

SoftwareDatabase parsed(const std::string& text) {
  auto result = SoftwareDatabase::parse(text, *makeXmlReader());
  if (auto* problem = std::get_if<std::string>(&result)) {
    ADD_FAILURE() << *problem;
    return std::get<SoftwareDatabase>(SoftwareDatabase::parse("<softwaredb/>", *makeXmlReader()));
  }
  return std::move(std::get<SoftwareDatabase>(result));
}

TEST(SoftwareDatabaseTest, DigestsAreTheStandardSha1InLowerCaseHex) {
  EXPECT_EQ(sha1Hex(makeSha1Digester()->digestOf("abc")), kAbc);
  EXPECT_EQ(sha1Hex(makeSha1Digester()->digestOf("")), kEmpty);
  EXPECT_EQ(sha1Hex(makeSha1Digester()->digestOf(std::string(1000000, 'a'))),
            "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}

TEST(SoftwareDatabaseTest, ReadsTitlesAndDumpsOfTheFormat) {
  const SoftwareDatabase database = parsed(softwareDatabaseText({
      {"Game &amp; Watch",
       "Konami",
       "1986",
       "JP",
       "MSX",
       {{kAbc, "KonamiSCC", true}, {std::string(40, 'B'), "", false}}},
      {"Second", "", "", "", "MSX2", {{kEmpty, "page23", false}}},
      {"Nothing dumped", "X", "1", "NL", "MSX", {}},
      // A digest already listed keeps its first title; one that is no digest is passed over.
      {"Repeat", "Y", "2", "US", "MSX", {{std::string(kAbc), "ASCII8", true}, {"12", "", true}}},
  }));
  EXPECT_EQ(database.dumpCount(), 3u);
  EXPECT_EQ(database.titleCount(), 2u);

  const SoftwareDump* scc = database.find(kAbc);
  ASSERT_NE(scc, nullptr);
  EXPECT_EQ(scc->type, "KonamiSCC");
  EXPECT_EQ(scc->software->title, "Game & Watch");
  EXPECT_EQ(scc->software->company, "Konami");
  EXPECT_EQ(scc->software->year, "1986");
  EXPECT_EQ(scc->software->country, "JP");
  EXPECT_EQ(scc->software->system, "MSX");

  const SoftwareDump* plain = database.find(std::string(40, 'b'));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->type, "");
  EXPECT_EQ(database.find(std::string(40, 'B')), plain);
  EXPECT_EQ(database.find(kEmpty)->software->title, "Second");
  EXPECT_EQ(database.find(kEmpty)->software->company, "");
  EXPECT_EQ(database.find(std::string(40, 'c')), nullptr);
  EXPECT_EQ(database.find(""), nullptr);
}

TEST(SoftwareDatabaseTest, RefusesDocumentsThatAreNoDatabase) {
  const std::string good = softwareDatabaseText({{"A", "B", "1", "JP", "MSX", {{kAbc, "", true}}}});
  const std::string bad[] = {
      "",
      "not xml at all",
      good.substr(0, good.size() - 8),                          // cut short
      "<softwaredb><software><title>x</softwaredb>",            // crossed elements
      "<?xml version=\"1.0\"?><otherdb><software/></otherdb>",  // another root
      std::string("<softwaredb>\xff\xfe</softwaredb>"),         // no UTF-8
      "<softwaredb/><softwaredb/>",                             // two roots
      // An entity that expands a billion times is stopped by the parser.
      "<?xml version=\"1.0\"?><!DOCTYPE s [<!ENTITY a \"aaaaaaaaaa\">"
      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
      "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
      "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">"
      "<!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\"><!ENTITY i "
      "\"&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;\">]>"
      "<softwaredb><software><title>&i;</title></software></softwaredb>",
  };
  const testing::Watchdog watchdog("the database");
  for (const std::string& text : bad) {
    SCOPED_TRACE(text.substr(0, 60));
    EXPECT_TRUE(
        std::holds_alternative<std::string>(SoftwareDatabase::parse(text, *makeXmlReader())));
  }
}

TEST(SoftwareDatabaseTest, NeverFetchesAnExternalEntity) {
  TempFolder folder;
  const std::string secret = folder.write("secret.txt", "SECRET");
  const std::string text = "<?xml version=\"1.0\"?><!DOCTYPE softwaredb [<!ENTITY x SYSTEM \"" +
                           secret + "\">]><softwaredb><software><title>&x;</title>" +
                           "<dump><rom><hash>" + kAbc + "</hash></rom></dump>" +
                           "</software></softwaredb>";
  auto result = SoftwareDatabase::parse(text, *makeXmlReader());
  if (auto* database = std::get_if<SoftwareDatabase>(&result)) {
    ASSERT_NE(database->find(kAbc), nullptr);
    EXPECT_EQ(database->find(kAbc)->software->title.find("SECRET"), std::string::npos);
  }
}

TEST(SoftwareDatabaseTest, ImagesAreIdentifiedByContentAndHostileFilesAreRefused) {
  TempFolder folder;
  const SoftwareDatabase database =
      parsed(softwareDatabaseText({{"Known", "K", "1", "JP", "MSX", {{kAbc, "ASCII16"}}}}));
  // The images are read as the program reads them: FIFOs, folders and devices are real.
  const auto files = makeFileSystem();
  const auto sha1 = makeSha1Digester();
  const std::string known = folder.write("KNOWN.ROM", "abc");
  const RomIdentity identity = identifyRom(known, database, *files, *sha1);
  EXPECT_EQ(identity.sha1, kAbc);
  ASSERT_NE(identity.dump, nullptr);
  EXPECT_EQ(identity.advice.brmsxCode, 13);

  const RomIdentity unknown =
      identifyRom(folder.write("-other.rom", "abd"), database, *files, *sha1);
  EXPECT_EQ(unknown.dump, nullptr);
  EXPECT_EQ(unknown.sha1.size(), 40u);

  ASSERT_EQ(::mkfifo(folder.at("pipe.rom").c_str(), 0600), 0);
  std::filesystem::create_directory(folder.at("folder.rom"));
  const testing::Watchdog watchdog("the database");
  for (const char* name : {"pipe.rom", "folder.rom", "missing.rom"}) {
    SCOPED_TRACE(name);
    EXPECT_THROW(identifyRom(folder.at(name), database, *files, *sha1), Failure);
  }
  EXPECT_THROW(identifyRom("/dev/zero", database, *files, *sha1), Failure);
  EXPECT_EQ(folder.read("KNOWN.ROM"), "abc");
}

TEST(SoftwareDatabaseTest, SourceTakesTheFirstFoundFileOnceAndTurnsOffOnAFailure) {
  TempFolder folder;
  const auto files = makeFileSystem();
  const auto xml = makeXmlReader();
  const auto sha1 = makeSha1Digester();
  const std::string good =
      softwareDatabaseText({{"Good", "G", "1", "JP", "MSX", {{kAbc, "", true}}}});
  folder.write("second/softwaredb.xml", good);
  folder.write("broken/softwaredb.xml", "<softwaredb><software>");
  std::filesystem::create_directory(folder.at("empty"));
  std::filesystem::create_directory(folder.at("fifo"));
  ASSERT_EQ(::mkfifo(folder.at("fifo/softwaredb.xml").c_str(), 0600), 0);

  {  // The first that exists is read, once, and only when first needed.
    SoftwareDatabaseSource source(
        {folder.at("empty/softwaredb.xml"), folder.at("second/softwaredb.xml")}, *files, *xml,
        *sha1);
    EXPECT_TRUE(source.available());
    EXPECT_EQ(source.path(), "");
    ASSERT_NE(source.database(), nullptr);
    EXPECT_EQ(source.path(), folder.at("second/softwaredb.xml"));
    folder.write("second/softwaredb.xml", "changed");
    EXPECT_NE(source.database()->find(kAbc), nullptr);
    EXPECT_TRUE(source.available());
    folder.write("second/softwaredb.xml", good);
  }
  const testing::Watchdog watchdog("the database");
  // Whatever stands where the database should be is the user's database, and what is no
  // regular file is said to be none; the next place is not looked at.
  std::filesystem::create_directories(folder.at("folder/softwaredb.xml"));
  const std::string socketPath = folder.at("socket.xml");
  testing::makeSpecialFile(testing::SpecialFile::Socket, socketPath);
  const struct {
    std::string first;
    std::string problem;  // a part of it
  } failures[] = {
      {folder.at("broken/softwaredb.xml"), "not well-formed XML"},
      {folder.at("fifo/softwaredb.xml"), notARegularFileText(folder.at("fifo/softwaredb.xml"))},
      {folder.at("folder/softwaredb.xml"), notARegularFileText(folder.at("folder/softwaredb.xml"))},
      {socketPath, notARegularFileText(socketPath)},
      {"/dev/null", notARegularFileText("/dev/null")},
  };
  for (const auto& f : failures) {
    SCOPED_TRACE(f.first);
    SoftwareDatabaseSource source({f.first, folder.at("second/softwaredb.xml")}, *files, *xml,
                                  *sha1);
    EXPECT_TRUE(source.available());
    EXPECT_EQ(source.database(), nullptr);
    EXPECT_FALSE(source.available());
    EXPECT_EQ(source.path(), f.first);
    EXPECT_NE(source.problem().find(f.problem), std::string::npos) << source.problem();
  }
  SoftwareDatabaseSource none({folder.at("empty/softwaredb.xml")}, *files, *xml, *sha1);
  EXPECT_FALSE(none.available());
  EXPECT_EQ(none.database(), nullptr);
  EXPECT_EQ(none.path(), "");
  EXPECT_FALSE(none.problem().empty());
}

// On Windows there is no system openMSX folder to look in; under Wine "/usr/share/openmsx"
// would read the host's file.
TEST(SoftwareDatabaseTest, CandidatesAreBesideTheProgramThenTheUsersThenTheSystems) {
  const struct {
    std::string programFolder;
    std::optional<std::string> home;
    PathStyle style;
    std::vector<std::string> candidates;
  } cases[] = {
      {"/opt/vorlent/",
       "/home/u",
       PathStyle::Posix,
       {"/opt/vorlent/softwaredb.xml", "/home/u/.openMSX/share/softwaredb.xml",
        "/usr/share/openmsx/softwaredb.xml"}},
      {"/opt/vorlent/",
       std::nullopt,
       PathStyle::Posix,
       {"/opt/vorlent/softwaredb.xml", "/usr/share/openmsx/softwaredb.xml"}},
      {"C:\\Vorlent\\",
       "C:\\Users\\u",
       PathStyle::Windows,
       {"C:\\Vorlent\\softwaredb.xml", "C:\\Users\\u\\Documents\\openMSX\\share\\softwaredb.xml"}},
      {"C:\\Vorlent\\",
       "C:\\Users\\u\\",
       PathStyle::Windows,
       {"C:\\Vorlent\\softwaredb.xml", "C:\\Users\\u\\Documents\\openMSX\\share\\softwaredb.xml"}},
      {"C:\\Vorlent\\", std::nullopt, PathStyle::Windows, {"C:\\Vorlent\\softwaredb.xml"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(softwareDatabaseCandidates(c.programFolder, c.home, c.style), c.candidates)
        << c.programFolder;
  }
}

TEST(SoftwareDatabaseTest, LoadsTheInstalledDatabase) {
  const std::string path = "/usr/share/openmsx/softwaredb.xml";
  const auto files = makeFileSystem();
  const auto xml = makeXmlReader();
  const auto sha1 = makeSha1Digester();
  if (!files->fileExists(path)) {
    GTEST_SKIP() << "openmsx-data is not installed";
  }
  SoftwareDatabaseSource source({path}, *files, *xml, *sha1);
  const SoftwareDatabase* database = source.database();
  ASSERT_NE(database, nullptr) << source.problem();
  EXPECT_EQ(database->titleCount(), 2405u);
  EXPECT_EQ(database->dumpCount(), 6275u);
}

}  // namespace
}  // namespace vorlent
