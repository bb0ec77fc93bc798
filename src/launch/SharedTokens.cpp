#include "launch/SharedTokens.h"

namespace vorlent {

std::string tapeToken(std::string_view tapePath) {
  return tapePath.empty() ? std::string() : " -tape " + std::string(tapePath);
}

}  // namespace vorlent
