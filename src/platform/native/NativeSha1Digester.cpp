#include "platform/Sha1Digester.h"

namespace vorlent {

namespace {

class NativeSha1Digester : public Sha1Digester {
 public:
  Sha1Digest digestOf(std::string_view bytes) const override { return sha1Of(bytes); }
};

}  // namespace

std::unique_ptr<Sha1Digester> makeSha1Digester() { return std::make_unique<NativeSha1Digester>(); }

}  // namespace vorlent
