// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vorlent::testing {

// One dump of a test database: the image's digest, its <type> (none when empty) and whether
// it is a <megarom> rather than a <rom>.
struct TestDump {
  std::string hash;
  std::string type;
  bool megarom = true;
};

struct TestSoftware {
  std::string title;
  std::string company = "Maker";
  std::string year = "1987";
  std::string country = "JP";
  std::string system = "MSX";
  std::vector<TestDump> dumps;
};

// A database document in the softwaredb format, laid out as the real one is (a declaration,
// a document type naming its DTD, credits in CDATA, remarks and start addresses in the dumps).
inline std::string softwareDatabaseText(const std::vector<TestSoftware>& entries) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<!DOCTYPE softwaredb SYSTEM \"softwaredb1.dtd\">\n"
      "<softwaredb timestamp=\"1\">\n<!-- Credits -->\n<![CDATA[\nTest credits\n]]>\n";
  for (const TestSoftware& software : entries) {
    text += "<software>\n\t<title>" + software.title + "</title>\n\t<genmsxid>1</genmsxid>\n" +
            "\t<system>" + software.system + "</system>\n\t<company>" + software.company +
            "</company>\n\t<year>" + software.year + "</year>\n\t<country>" + software.country +
            "</country>\n";
    for (const TestDump& dump : software.dumps) {
      const std::string element = dump.megarom ? "megarom" : "rom";
      text += "\t\t<dump><original value=\"true\">GoodMSX</original><" + element +
              "><start>0x4000</start>" +
              (dump.type.empty() ? std::string() : "<type>" + dump.type + "</type>") + "<hash>" +
              dump.hash + "</hash><remark>r</remark></" + element + "></dump>\n";
    }
    text += "</software>\n";
  }
  return text + "</softwaredb>\n";
}

}  // namespace vorlent::testing
