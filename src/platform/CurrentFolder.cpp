#include "platform/CurrentFolder.h"

namespace vorlent {

CurrentFolderScope::CurrentFolderScope(CurrentFolder& currentFolder, std::string_view folder)
    : currentFolder_(currentFolder), remembered_(currentFolder.get()) {
  currentFolder_.set(folder);
}

CurrentFolderScope::~CurrentFolderScope() { currentFolder_.set(remembered_); }

}  // namespace vorlent
