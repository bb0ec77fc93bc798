#include <nettle/sha1.h>

#include "platform/Sha1.h"

namespace vorlent {

Sha1Digest sha1Of(std::string_view bytes) {
  sha1_ctx context;
  sha1_init(&context);
  sha1_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
  Sha1Digest digest{};
  sha1_digest(&context, digest.size(), digest.data());
  return digest;
}

}  // namespace vorlent
