#include "ui/FileListIcons.h"

#include <QApplication>
#include <QStyle>

namespace vorlent {

FileListIcons::FileListIcons() {
  QStyle* style = QApplication::style();
  const QIcon file = style->standardIcon(QStyle::SP_FileIcon);
  icons_.fill(file);
  icons_[0] = style->standardIcon(QStyle::SP_DirIcon);
  icons_[3] = style->standardIcon(QStyle::SP_DriveFDIcon);
  icons_[5] = style->standardIcon(QStyle::SP_ComputerIcon);
  icons_[6] = style->standardIcon(QStyle::SP_FileDialogToParent);
  icons_[8] = icons_[3];
  icons_[9] = icons_[3];
  icons_[10] = style->standardIcon(QStyle::SP_MediaVolume);
  icons_[12] = style->standardIcon(QStyle::SP_MediaPlay);
}

const QIcon& FileListIcons::icon(int index) const {
  return index >= 0 && index < kCount ? icons_[static_cast<std::size_t>(index)] : icons_[1];
}

}  // namespace vorlent
