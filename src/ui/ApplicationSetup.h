#pragma once

namespace vorlent {

// What the program sets on the application before its main window is made: its name, the
// window font and its style.
void setUpApplication();

}  // namespace vorlent
