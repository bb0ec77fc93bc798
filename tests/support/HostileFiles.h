// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Names and files an attacker would hand the program, and the means to see what a command did
// with them: a snapshot of a whole tree and a watchdog around each command.
namespace vorlent::testing {

// A file name without its extension; commands add the extension they need.
struct HostileName {
  std::string label;
  std::string stem;
};

// Every byte from 0x01 to 0xFF but '/' (spread over a few names), invalid UTF-8, names of 255
// bytes in ASCII and in Japanese, a leading '-', the shell's characters, blanks, CR, LF and TAB.
std::vector<HostileName> hostileNames();

// The stem with the extension, the stem cut (at a byte) so the name stays within 255 bytes.
std::string hostileFileName(const HostileName& name, std::string_view extension);

// Things that stand where a file is expected.
enum class SpecialFile { Fifo, Socket, LinkToNull, LinkToZero, DanglingLink, LoopingLink, Missing };

std::vector<SpecialFile> specialFiles();
std::string specialFileLabel(SpecialFile kind);
// Makes the special file at the path (relative to the current folder where it is relative);
// Missing makes nothing.
void makeSpecialFile(SpecialFile kind, const std::string& path);

// Each entry of a tree by its path below the root: its kind, size, content digest or link
// target. Walks through descriptors, so a tree deeper than PATH_MAX is read whole; special
// files are never opened.
using TreeSnapshot = std::map<std::string, std::string>;
TreeSnapshot snapshotTree(const std::string& root);

// The paths below the root that were added, removed or changed.
std::vector<std::string> changedPaths(const TreeSnapshot& before, const TreeSnapshot& after);

// Makes a chain of folders below base whose full path is longer than minimumLength, through
// descriptors; returns the deepest folder's path.
std::string makeDeepFolder(const std::string& base, std::size_t minimumLength);

// Removes a tree of any depth.
void removeTree(const std::string& path);

// What a watched run ended with: the text the action returned, or why there is none.
struct WatchedRun {
  bool finished = false;
  std::string report;
  std::string problem;  // "hang", "signal N" or "exit N" when not finished
};

// Runs the action in a child process and kills it after the given seconds. The action's result
// text comes back to the parent; nothing else the child changes in memory does.
WatchedRun runWatched(const std::function<std::string()>& action, int seconds);

}  // namespace vorlent::testing
