// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IdentifyCommand.h"

#include "media/RomIdentity.h"
#include "media/SoftwareDatabaseSource.h"
#include "platform/ControlCharacters.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/ProgramFolder.h"
#include "platform/UserHome.h"

namespace vorlent {

namespace {

constexpr std::string_view kNone = "-";

// A field never breaks the line nor acts on the terminal: it is shown as the window shows it.
std::string field(std::string_view text) {
  return text.empty() ? std::string(kNone) : withControlsMarked(text);
}

std::string code(const std::optional<int>& mapperCode) {
  return mapperCode ? std::to_string(*mapperCode) : std::string(kNone);
}

std::string identityLine(std::string_view file, const RomIdentity& identity) {
  std::string line = field(file) + '\t' + identity.sha1;
  if (identity.dump == nullptr) {
    for (int i = 0; i < 6; ++i) {
      line += '\t';
      line += kNone;
    }
    return line + '\n';
  }
  const SoftwareTitle& software = *identity.dump->software;
  const bool plain = identity.advice.kind == RomTypeKind::Plain;
  return line + '\t' + field(software.title) + '\t' + field(software.company) + '\t' +
         field(software.year) + '\t' + field(identity.dump->type) + '\t' +
         (plain ? std::string(kNone) : code(identity.advice.brmsxCode)) + '\t' +
         (plain ? std::string(kNone) : code(identity.advice.fmsxCode)) + '\n';
}

}  // namespace

CliResult runIdentifyCommand(const std::vector<std::string>& files,
                             const std::optional<std::string>& databaseFile) {
  if (files.empty()) {
    return usageResult();
  }
  const auto fileSystem = makeFileSystem();
  const auto xml = makeXmlReader();
  const auto sha1 = makeSha1Digester();
  SoftwareDatabaseSource source(
      databaseFile
          ? std::vector<std::string>{*databaseFile}
          : softwareDatabaseCandidates(programFolder(), userHomeFolder(), nativePathStyle()),
      *fileSystem, *xml, *sha1);
  const SoftwareDatabase* database = source.database();
  if (database == nullptr) {
    const std::string where = !source.path().empty() ? field(source.path()) + ": "
                              : databaseFile         ? field(*databaseFile) + ": "
                                                     : std::string();
    return {{},
            terminalLines("vorlent-cli: cannot load the software database: " + where +
                          source.problem()),
            kCliLoadFailed};
  }
  CliResult result;
  for (const std::string& file : files) {
    try {
      result.out += identityLine(file, source.identify(file, *database));
    } catch (const Failure& failure) {
      result.err +=
          terminalLines("vorlent-cli: cannot read " + field(file) + ": " + failure.what());
      result.status = kCliLoadFailed;
    }
  }
  return result;
}

}  // namespace vorlent
