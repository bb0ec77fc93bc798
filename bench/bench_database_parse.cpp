// SPDX-License-Identifier: GPL-3.0-or-later
// The software database parser on documents made to slow it down, each of about 1 and 8 MiB,
// beside a database of the real one's shape: the throughput of each (bytes_per_second, of the
// CPU time) is its time per MiB. Every construct should cost about what the real shape costs
// per byte, and the same at both sizes: none may grow faster than the document.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <variant>

#include "media/SoftwareDatabase.h"
#include "platform/XmlReader.h"

namespace {

std::size_t kSize = 0;

// Pieces made by `piece` (given their number) between `head` and `tail`, until the document
// holds about kSize bytes.
std::string document(const std::string& head, const std::function<std::string(std::size_t)>& piece,
                     const std::string& tail) {
  std::string text = head;
  for (std::size_t i = 0; text.size() < kSize; ++i) text += piece(i);
  return text + tail;
}

std::string hexDigest(std::size_t n) {
  static const char kHex[] = "0123456789abcdef";
  std::string digest(40, '0');
  for (std::size_t i = 0; i < 40 && n != 0; ++i, n /= 16) digest[39 - i] = kHex[n % 16];
  return digest;
}

std::string software(std::size_t i, const std::string& digest) {
  return "<software><title>Title " + std::to_string(i) +
         "</title><company>Company</company><year>1987</year><country>JP</country>"
         "<system>MSX</system><dump><megarom><type>KonamiSCC</type><hash>" +
         digest + "</hash></megarom></dump></software>\n";
}

// The head of the real database.
const std::string kRoot = "<?xml version=\"1.0\"?>\n<!DOCTYPE softwaredb SYSTEM \"s.dtd\">\n";

std::string attributes(std::size_t count) {
  std::string list;
  for (std::size_t i = 0; i < count; ++i) list += " a" + std::to_string(i) + "='v'";
  return list;
}

void parse(benchmark::State& state, const std::string& text) {
  const auto xml = vorlent::makeXmlReader();
  for (auto _ : state) {
    auto result = vorlent::SoftwareDatabase::parse(text, *xml);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void registerAll(const char* size) {
  const std::string open = kRoot + "<softwaredb>";
  const std::string close = "</softwaredb>";
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"the real shape", document(
                             open, [](std::size_t i) { return software(i, hexDigest(i)); }, close)},
      {"one digest repeated",
       document(
           open, [](std::size_t i) { return software(i, hexDigest(7)); }, close)},
      {"empty elements", document(
                             open, [](std::size_t) { return "<x/>"; }, close)},
      {"nested as deep as allowed",
       document(
           open,
           [](std::size_t) {
             return std::string(
                 "<a><b><c><d><e><f><g><h><i><j><k><l><m><n><o></o></n></m></l></k></j></i></h></"
                 "g></f></e></d></c></b></a>");
           },
           close)},
      {"ten thousand attributes an element",
       document(
           open, [list = attributes(10000)](std::size_t) { return "<x" + list + "/>"; }, close)},
      {"one comment", open + "<!-- " + std::string(kSize, 'c') + " -->" + close},
      {"one attribute value", open + "<x a='" + std::string(kSize, 'v') + "'/>" + close},
      {"one long name", open + "<" + std::string(kSize, 'n') + "/>" + close},
      {"character references", document(
                                   open + "<software>",
                                   [](std::size_t) {
                                     return "<title>" + std::string(100, ' ') +
                                            "&#x41;&amp;&lt;</title>";
                                   },
                                   "</software>" + close)},
      {"CDATA sections", document(
                             open + "<software><title>",
                             [](std::size_t i) {
                               return i % 1000 == 999 ? std::string("</title><title>")
                                                      : std::string("<![CDATA[x]]>");
                             },
                             "</title></software>" + close)},
      {"processing instructions", document(
                                      open, [](std::size_t) { return "<?p x?>"; }, close)},
      {"attribute defaults in an internal subset (refused)",
       "<!DOCTYPE softwaredb [<!ATTLIST x" + attributes(10000) + ">]>" +
           document(
               "<softwaredb>", [](std::size_t) { return "<x/>"; }, close)},
  };
  for (const auto& c : cases) {
    benchmark::RegisterBenchmark((std::string(c.name) + "/" + size).c_str(), parse, c.text)
        ->Unit(benchmark::kMillisecond);
  }
}

const bool kRegistered = [] {
  kSize = 1u << 20;
  registerAll("1 MiB");
  kSize = 8u << 20;
  registerAll("8 MiB");
  return true;
}();

}  // namespace
