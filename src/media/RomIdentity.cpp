#include "media/RomIdentity.h"

#include "platform/Sha1.h"
#include "platform/WholeFile.h"

namespace vorlent {

RomIdentity identifyRom(std::string_view path, const SoftwareDatabase& database) {
  RomIdentity identity;
  identity.sha1 = sha1Hex(sha1Of(readWholeRegularFile(path, kRomImageSizeLimit)));
  identity.dump = database.find(identity.sha1);
  if (identity.dump != nullptr) {
    identity.advice = mapperAdvice(identity.dump->type);
  }
  return identity;
}

}  // namespace vorlent
