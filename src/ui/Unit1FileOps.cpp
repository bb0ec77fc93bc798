// The file operations of the main window and the join dialog's place in it.

#include "ui/Unit1.h"

namespace vorlent {

void TForm1::connectFileOperationCommands() {}

}  // namespace vorlent
