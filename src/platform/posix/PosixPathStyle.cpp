#include "platform/PathStyle.h"

namespace vorlent {

PathStyle nativePathStyle() { return PathStyle::Posix; }

}  // namespace vorlent
