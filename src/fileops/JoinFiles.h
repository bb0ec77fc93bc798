// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/ReadStreams.h"

namespace vorlent {

// Writes the sources' bytes one after another, in list order, as the destination: no header,
// no separator. The bytes stream into a file beside the destination that replaces it only
// when complete, so the destination may be one of the sources, a failure on the way leaves it
// as it was, and memory stays bounded whatever the size. A source that cannot be opened stops
// the join before anything is written; a source that grows or shrinks while it is read fails
// as one that cannot be read. Failures are thrown as Failure:
// "ファイル <source> は開けません" for a source, "ファイル <destination> を作成できません" for the
// destination.
void JoinFiles(const std::vector<std::string>& sources, std::string_view destination,
               ReadStreams& readers, AtomicFiles& writers);

}  // namespace vorlent
