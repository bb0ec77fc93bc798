// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/RomIdentity.h"

namespace vorlent {

RomIdentity identifyRom(std::string_view path, const SoftwareDatabase& database,
                        const FileSystem& files, const Sha1Digester& sha1) {
  RomIdentity identity;
  identity.sha1 = sha1Hex(sha1.digestOf(files.readRegularFile(path, kRomImageSizeLimit)));
  identity.dump = database.find(identity.sha1);
  if (identity.dump != nullptr) {
    identity.advice = mapperAdvice(identity.dump->type);
  }
  return identity;
}

}  // namespace vorlent
