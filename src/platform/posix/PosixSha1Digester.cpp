// SPDX-License-Identifier: GPL-3.0-or-later
#include <nettle/sha1.h>

#include "platform/Sha1Digester.h"

namespace vorlent {

namespace {

// GNU Nettle's.
class PosixSha1Digester : public Sha1Digester {
 public:
  Sha1Digest digestOf(std::string_view bytes) const override {
    sha1_ctx context;
    sha1_init(&context);
    sha1_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    Sha1Digest digest{};
    sha1_digest(&context, digest.size(), digest.data());
    return digest;
  }
};

}  // namespace

std::unique_ptr<Sha1Digester> makeSha1Digester() { return std::make_unique<PosixSha1Digester>(); }

}  // namespace vorlent
