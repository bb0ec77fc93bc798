#pragma once

#include <QIcon>
#include <array>

namespace vorlent {

// The nineteen pictures of the file list by icon index, each at 32 x 32 for the large-icon view
// and 16 x 16 for the other views.
class FileListIcons {
 public:
  static constexpr int kCount = 19;

  FileListIcons();

  // An index out of range gives the plain document.
  const QIcon& icon(int index) const;

 private:
  std::array<QIcon, kCount> icons_;
};

}  // namespace vorlent
