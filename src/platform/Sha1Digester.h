#pragma once

#include <memory>
#include <string_view>

#include "platform/Sha1.h"

namespace vorlent {

// SHA-1 digests, computed by the platform's cryptographic library.
class Sha1Digester {
 public:
  virtual ~Sha1Digester() = default;

  virtual Sha1Digest digestOf(std::string_view bytes) const = 0;
};

std::unique_ptr<Sha1Digester> makeSha1Digester();

}  // namespace vorlent
