// SPDX-License-Identifier: GPL-3.0-or-later
// Joins the files named on the command line into the last one, as the join dialog's command
// does; the program bench/join.sh times against cat.

#include <cstdio>
#include <string>
#include <vector>

#include "fileops/JoinFiles.h"
#include "platform/Failure.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: join_files SOURCE... DESTINATION\n");
    return 2;
  }
  const std::vector<std::string> sources(argv + 1, argv + argc - 1);
  const auto readers = vorlent::makeReadStreams();
  const auto writers = vorlent::makeAtomicFiles();
  try {
    vorlent::JoinFiles(sources, argv[argc - 1], *readers, *writers);
  } catch (const vorlent::Failure& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 1;
  }
  return 0;
}
