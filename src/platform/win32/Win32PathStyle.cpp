#include "platform/PathStyle.h"

namespace vorlent {

PathStyle nativePathStyle() { return PathStyle::Windows; }

}  // namespace vorlent
