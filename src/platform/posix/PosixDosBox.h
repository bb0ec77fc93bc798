// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "platform/ProcessStarter.h"

namespace vorlent {

// Runs MS-DOS programs in DOSBox: the program's folder is drive C: and current, the host files
// named by the arguments appear under 8.3 names on a staging drive of links that lives as long
// as that DOSBox. DOSBox reads the user's own configuration and then, where the program's folder
// holds one, that folder's dosbox.conf; it closes when the program ends, after a key when the
// program failed.
class DosBox {
 public:
  DosBox() = default;
  // Removes the staging folders whose DOSBox has ended, where this one started any.
  ~DosBox();
  DosBox(const DosBox&) = delete;
  DosBox& operator=(const DosBox&) = delete;

  // Starts DOSBox, or fails with the errno and the problem: ENOENT when no DOSBox is on PATH,
  // E2BIG when the translated command tail is longer than MS-DOS hands a program, EINVAL when a
  // word cannot reach DOSBox's shell as it stands (a path that names no regular file, or a word
  // with a character that shell reads) or the program folder's dosbox.conf is no regular file,
  // and an untrusted folder when no staging root is trusted and short enough for DOSBox.
  StartResult start(const std::string& programPath, const std::vector<std::string>& arguments);

  // Staging folders are locked by the DOSBox that uses them, so this finds the ended ones
  // also of earlier launcher sessions.
  static void removeEndedStagings();

 private:
  bool started_ = false;
};

}  // namespace vorlent
