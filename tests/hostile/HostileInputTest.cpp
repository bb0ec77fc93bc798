// SPDX-License-Identifier: GPL-3.0-or-later
// Every command that takes a name or a path, run on hostile names and on special files where
// a file is expected, each in a child process under a watchdog. A run must end; nothing outside
// the command's own target may change; no program but the emulator may start; a refusal must be
// a message; the raw bytes of every name must survive.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "browser/FileList.h"
#include "browser/Navigator.h"
#include "fileops/FileOperations.h"
#include "fileops/JoinFiles.h"
#include "launch/EmulatorStart.h"
#include "media/MediaPanel.h"
#include "platform/AtomicFile.h"
#include "platform/CurrentFolder.h"
#include "platform/Drives.h"
#include "platform/Failure.h"
#include "platform/FileChanges.h"
#include "platform/FileSystem.h"
#include "platform/FolderEnumerator.h"
#include "platform/ProcessStarter.h"
#include "platform/ReadStreams.h"
#include "platform/ShortPaths.h"
#include "settings/ConfigFile.h"
#include "support/FakeDrives.h"
#include "support/HostileFiles.h"
#include "support/IdleServices.h"
#include "support/RecordingFeedback.h"
#include "support/ScriptedProgress.h"
#include "support/ScriptedPrompts.h"

namespace vorlent {
namespace {

using testing::HostileName;
using testing::SpecialFile;

constexpr int kWatchdogSeconds = 10;
constexpr std::string_view kPlainBytes = "plain bytes\n";
// What a program that must never run leaves behind when it runs.
constexpr std::string_view kTrapMark = "TRAPPED";

// ---------------------------------------------------------------------------------------------
// The world a command runs in.

std::string readAt(int folder, const std::string& name) {
  const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return "(unreadable)";
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return "(not a file)";
  }
  std::string bytes;
  char buffer[4096];
  ssize_t got = 0;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, std::size_t(got));
  ::close(fd);
  return bytes;
}

bool existsAt(int folder, const std::string& name) {
  struct stat status {};
  return ::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

void writeFile(const std::string& path, std::string_view bytes, mode_t mode = 0600) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, mode);
  if (fd < 0) throw std::runtime_error("cannot write " + path);
  if (::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
    ::close(fd);
    throw std::runtime_error("cannot write " + path);
  }
  ::fchmod(fd, mode);
  ::close(fd);
}

// Makes the folder current even where its path is longer than the system takes at once.
void enterFolder(const std::string& path) {
  if (::chdir(path.c_str()) == 0) return;
  if (::chdir("/") != 0) throw std::runtime_error("cannot enter /");
  std::size_t start = 1;
  while (start < path.size()) {
    const std::size_t end = path.find('/', start);
    const std::string part = path.substr(start, end == std::string::npos ? end : end - start);
    if (!part.empty() && ::chdir(part.c_str()) != 0) {
      throw std::runtime_error("cannot enter " + path);
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

// What stands at the target name: a regular file of the plain bytes, or a special file.
struct Target {
  std::string label;
  std::string name;
  std::optional<SpecialFile> special;

  bool regular() const { return !special; }
};

// A fresh tree for each run: the listed folder with the target in it, a destination folder,
// the emulators (recording stand-ins and MS-DOS files), a DOSBox stand-in on PATH and a private
// home. Programs that must never run are laid as traps under the names a broken command line
// would run.
class Sandbox {
 public:
  Sandbox(const Target& target, std::size_t depth) : target_(target) {
    char pattern[] = "/tmp/vorlent-hostile-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp");
    root_ = pattern;
    for (const char* folder :
         {"/listed", "/dest", "/emu-native", "/emu-dos", "/bin", "/home", "/home/run", "/cfg"}) {
      ::mkdir((root_ + folder).c_str(), 0700);
    }
    listed_ = depth > 0 ? testing::makeDeepFolder(root_ + "/listed", depth) : root_ + "/listed";
    const std::string record = root_ + "/record";
    const std::string recorder =
        "#!/bin/sh\n{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" + record +
        ".part' && mv '" + record + ".part' '" + record + "'\n";
    writeFile(root_ + "/emu-native/brmsx.exe", recorder, 0700);
    writeFile(root_ + "/emu-native/fmsx-dos.exe", recorder, 0700);
    writeFile(root_ + "/bin/dosbox", recorder, 0700);
    // An MZ header with nothing behind it is an MS-DOS program.
    writeFile(root_ + "/emu-dos/brmsx.exe", std::string("MZ") + std::string(62, '\0'));
    writeFile(root_ + "/emu-dos/fmsx-dos.exe", std::string("MZ") + std::string(62, '\0'));
    const std::string trap = "#!/bin/sh\n: > '" + root_ + "/" + std::string(kTrapMark) + "'\n";
    for (const char* name :
         {"-res", "-RES", "-rom", "-msx1", "-msx2", "-diska", "-tape", "C:", "@Vorlent.cfg"}) {
      writeFile(root_ + "/bin/" + name, trap, 0700);
    }

    enterFolder(listed_);
    for (const char* name : {"-res", "-RES", "-rom", "-msx1", "-diska", "@Vorlent.cfg"}) {
      writeFile(name, trap, 0700);
    }
    writeFile("plain.txt", kPlainBytes);
    if (target.special) {
      testing::makeSpecialFile(*target.special, target.name);
    } else {
      writeFile(target.name, kPlainBytes);
    }
    enterFolder("/");
  }

  ~Sandbox() { testing::removeTree(root_); }
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::string& root() const { return root_; }
  const std::string& listed() const { return listed_; }
  const Target& target() const { return target_; }
  std::string targetPath() const { return listed_ + "/" + target_.name; }
  // The path below the root, as the snapshot names it.
  std::string relative(const std::string& path) const { return path.substr(root_.size() + 1); }

 private:
  Target target_;
  std::string root_;
  std::string listed_;
};

// ---------------------------------------------------------------------------------------------
// The program's parts, as the main window assembles them, in the child process.

struct Program {
  explicit Program(const Sandbox& world) : sandbox(world) {
    ::setenv("HOME", (sandbox.root() + "/home").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (sandbox.root() + "/home/run").c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("PATH", (sandbox.root() + "/bin:/usr/bin:/bin").c_str(), 1);
    enterFolder(sandbox.listed());
    navigator.showCurrentFolder();
    for (std::size_t i = 0; i < list.count(); ++i) {
      if (list.entry(i).fullPath == sandbox.targetPath()) {
        list.setSelected(i, true);
        list.setFocused(i);
      }
    }
  }

  void selectOnly(const std::string& caption) {
    list.clearSelection();
    list.setFocused(std::nullopt);
    for (std::size_t i = 0; i < list.count(); ++i) {
      if (list.entry(i).caption == caption) {
        list.setSelected(i, true);
        list.setFocused(i);
      }
    }
  }

  bool targetSelected() const { return list.selectedCount() == 1; }

  // Whether the user was told anything beyond the status panels.
  bool told() const {
    for (const std::string& event : feedback.events) {
      if (!event.starts_with("panel")) return true;
    }
    return !progress.errors.empty();
  }

  std::string events() const {
    std::string text;
    for (const std::string& event : feedback.events) {
      if (!event.starts_with("panel")) text += " [" + event + "]";
    }
    for (const std::string& error : progress.errors) text += " [shell: " + error + "]";
    return text;
  }

  StartServices startServices() {
    return StartServices{LaunchServices{*current, *files, PathStyle::Posix, *systemText},
                         *processes, feedback};
  }

  const Sandbox& sandbox;
  std::unique_ptr<CurrentFolder> current = makeCurrentFolder();
  std::unique_ptr<FolderEnumerator> folders = makeFolderEnumerator();
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  std::unique_ptr<FileChanges> changes = makeFileChanges();
  std::unique_ptr<ShellFileOperation> shell = makeShellFileOperation();
  std::unique_ptr<ProcessStarter> processes = makeProcessStarter();
  std::unique_ptr<ShortPaths> shortPaths = makeShortPaths();
  std::unique_ptr<ReadStreams> readers = makeReadStreams();
  std::unique_ptr<AtomicFiles> writers = makeAtomicFiles();
  testing::FakeDrives drives;
  testing::NoOpener opener;
  testing::NoBusy busy;
  testing::RecordingFeedback feedback;
  testing::ScriptedPrompts prompts;
  testing::ScriptedProgress progress{{ReplaceAnswer::Skip, true}};
  FileList list;
  Navigator navigator{
      list, NavigatorServices{*current, *folders, drives, *files, opener, feedback, prompts, busy}};
  FileOperations operations{FileOperationServices{list, navigator, *current, *files, *changes,
                                                  *shell, progress, feedback, prompts,
                                                  PathStyle::Posix}};
  LauncherState state;
  MediaPanelState panel;
  MediaPanel media{state, panel, feedback, *shortPaths, PathStyle::Posix};
};

// ---------------------------------------------------------------------------------------------
// The commands. Each returns the problems it saw, one a line; nothing for a sound run.

using Problems = std::vector<std::string>;

// Opens a folder by its full path even where the path is longer than the system takes at once.
int openFolder(const std::string& path) {
  const int here = ::open(".", O_RDONLY | O_DIRECTORY);
  enterFolder(path);
  const int folder = ::open(".", O_RDONLY | O_DIRECTORY);
  ::fchdir(here);
  ::close(here);
  return folder;
}

// A regular target arrived under its own name in the folder with its bytes; a special one
// either arrived as what it was or the user was told.
void checkArrived(Program& program, const std::string& folder, Problems& problems) {
  const Target& target = program.sandbox.target();
  const int fd = openFolder(folder);
  if (target.regular()) {
    if (readAt(fd, target.name) != kPlainBytes && !program.told()) {
      problems.push_back("the file did not arrive under its name and nothing was said");
    }
  } else if (target.special != SpecialFile::Missing && !existsAt(fd, target.name) &&
             !program.told()) {
    problems.push_back("a special file was neither taken nor refused with a message");
  }
  ::close(fd);
}

// The caption is for display only; the full path every command uses keeps the raw bytes.
Problems listCommand(Program& program) {
  const Target& target = program.sandbox.target();
  if (target.special == SpecialFile::Missing) return {};
  for (std::size_t i = 0; i < program.list.count(); ++i) {
    if (program.list.entry(i).fullPath == program.sandbox.targetPath()) return {};
  }
  // A folder that cannot be listed is a warning.
  if (program.told()) return {};
  return {"the entry is not listed under its raw name"};
}

// stored is the state's field that the mount fills.
template <typename Mount>
Problems mountCommand(Program& program, const std::string& stored, Mount mount) {
  if (!program.targetSelected()) return {};
  mount();
  if (stored.empty()) return {};
  struct stat mounted {};
  struct stat original {};
  const int folder = openFolder(program.sandbox.listed());
  const bool same = ::stat(stored.c_str(), &mounted) == 0 &&
                    ::fstatat(folder, program.sandbox.target().name.c_str(), &original, 0) == 0 &&
                    mounted.st_ino == original.st_ino && mounted.st_dev == original.st_dev;
  ::close(folder);
  if (program.sandbox.target().regular() && !same) {
    return {"the mounted path does not reach the file: " + stored};
  }
  return {};
}

std::vector<std::string> recordedArguments(const Sandbox& sandbox) {
  const std::string record = sandbox.root() + "/record";
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (::access(record.c_str(), F_OK) != 0 && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::vector<std::string> arguments;
  std::istringstream lines(readAt(AT_FDCWD, record));
  for (std::string line; std::getline(lines, line);) arguments.push_back(line);
  return arguments;
}

// Starts an emulator with the target in the medium the field names, as a loaded configuration
// may hold it.
Problems startCommand(Program& program, EmulatorKind emulator, bool throughDosBox) {
  const Sandbox& sandbox = program.sandbox;
  const std::string folder = sandbox.root() + (throughDosBox ? "/emu-dos/" : "/emu-native/");
  LauncherState& state = program.state;
  state.brmsxExePath = folder + "brmsx.exe";
  state.fmsxExePath = folder + "fmsx-dos.exe";
  state.slots[0].path = sandbox.targetPath();
  state.slots[0].mapper = 1;
  state.drives[0].path = sandbox.targetPath();
  state.tapePath = sandbox.targetPath();
  bool started = false;
  try {
    started = runEmulator(emulator, state, program.startServices());
  } catch (const Failure& failure) {
    program.feedback.reportError(failure.what());
  }
  if (!started) {
    if (!program.told()) return {"the start failed silently"};
    return {};
  }
  const std::vector<std::string> arguments = recordedArguments(sandbox);
  if (arguments.empty()) return {"the start was reported but no emulator ran"};
  Problems problems;
  if (throughDosBox) {
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
      std::string command = arguments[i + 1];
      // The launcher's own mount commands send their messages to NUL.
      if (command.starts_with("@mount ") && command.ends_with(" >nul")) {
        command.resize(command.size() - 5);
      }
      if (arguments[i] == "-c" && command.find_first_of("<>|") != std::string::npos) {
        problems.push_back("DOSBox's shell is given a redirection: " + arguments[i + 1]);
      }
    }
  }
  return problems;
}

// With no emulator located, nothing may start, least of all a listed file named like an option.
Problems unlocatedStartCommand(Program& program, EmulatorKind emulator) {
  program.state.slots[0].path = program.state.drives[0].path = program.sandbox.targetPath();
  program.state.slots[0].mapper = 1;
  if (runEmulator(emulator, program.state, program.startServices())) {
    return {"a start was reported without an emulator"};
  }
  if (!program.told()) return {"the start failed silently"};
  return {};
}

// A small file without an MZ header is an MS-DOS .COM image: it starts in DOSBox, whose record
// is waited for, so that it is written before the sandbox is compared.
Problems runListedCommand(Program& program) {
  if (!program.targetSelected()) return {};
  if (runListedProgram(program.list, *program.processes, program.feedback)) {
    recordedArguments(program.sandbox);
  } else if (!program.told()) {
    return {"the listed program failed silently"};
  }
  return {};
}

Problems transferCommand(Program& program, ShellOperationKind kind, const std::string& into) {
  program.operations.runShellOperation({program.sandbox.targetPath()}, into, kind);
  Problems problems;
  checkArrived(program, into, problems);
  if (kind == ShellOperationKind::Move && program.sandbox.target().regular()) {
    const int folder = openFolder(program.sandbox.listed());
    if (existsAt(folder, program.sandbox.target().name) && !program.told()) {
      problems.push_back("the moved file stayed and nothing was said");
    }
    ::close(folder);
  }
  return problems;
}

Problems dropCommand(Program& program) {
  const std::string into = program.sandbox.root() + "/dest";
  program.operations.copyDropped({program.sandbox.targetPath()}, into);
  Problems problems;
  if (program.sandbox.target().regular()) checkArrived(program, into, problems);
  return problems;
}

Problems deleteCommand(Program& program) {
  if (!program.targetSelected()) return {};
  program.operations.runShellOperation({program.sandbox.targetPath()}, "",
                                       ShellOperationKind::Delete);
  const int folder = openFolder(program.sandbox.listed());
  const bool stayed = existsAt(folder, program.sandbox.target().name);
  ::close(folder);
  if (stayed && !program.told()) return {"the entry stayed and nothing was said"};
  return {};
}

Problems renameUnchangedCommand(Program& program) {
  if (!program.targetSelected()) return {};
  program.prompts.echoOffered = true;
  program.operations.rename();
  const int folder = openFolder(program.sandbox.listed());
  const bool stayed = existsAt(folder, program.sandbox.target().name);
  ::close(folder);
  if (program.sandbox.target().special != SpecialFile::Missing && !stayed) {
    return {"renaming to the offered name changed the name (offered: " +
            (program.prompts.questions.empty() ? "" : program.prompts.questions.back().offered) +
            ")"};
  }
  return {};
}

Problems renameToCommand(Program& program) {
  program.selectOnly("plain.txt");
  program.prompts.text = program.sandbox.target().name + ".renamed";
  program.operations.rename();
  const int folder = openFolder(program.sandbox.listed());
  const bool arrived = readAt(folder, *program.prompts.text) == kPlainBytes;
  ::close(folder);
  if (!arrived && !program.told()) return {"the rename failed silently"};
  return {};
}

Problems newEntryCommand(Program& program, bool folder) {
  program.prompts.text = program.sandbox.target().name + ".new";
  if (folder) {
    program.operations.newFolder();
  } else {
    program.operations.newFile();
  }
  const int listed = openFolder(program.sandbox.listed());
  const bool made = existsAt(listed, *program.prompts.text);
  ::close(listed);
  if (!made && !program.told()) return {"nothing was made and nothing was said"};
  return {};
}

Problems joinFromCommand(Program& program) {
  const std::string destination = program.sandbox.root() + "/dest/joined.bin";
  try {
    JoinFiles({program.sandbox.targetPath(), program.sandbox.listed() + "/plain.txt"}, destination,
              *program.readers, *program.writers);
  } catch (const Failure&) {
    return {};
  }
  if (program.sandbox.target().regular() &&
      readAt(AT_FDCWD, destination) != std::string(kPlainBytes) + std::string(kPlainBytes)) {
    return {"the joined file does not hold both sources"};
  }
  return {};
}

Problems joinIntoCommand(Program& program) {
  const std::string name = program.sandbox.target().name + ".joined";
  try {
    JoinFiles({program.sandbox.listed() + "/plain.txt"}, program.sandbox.listed() + "/" + name,
              *program.readers, *program.writers);
  } catch (const Failure&) {
    return {};
  }
  const int folder = openFolder(program.sandbox.listed());
  const bool arrived = readAt(folder, name) == kPlainBytes;
  ::close(folder);
  if (!arrived) return {"the join reported success but the file is not there under its name"};
  return {};
}

ConfigServices configServices(Program& program) {
  return ConfigServices{*program.files, *program.current, *program.writers, PathStyle::Posix,
                        *program.systemText};
}

// A configuration that names the target in every medium keeps its bytes through save and load,
// or loses that medium alone; every other setting stays in its line.
Problems configRoundTripCommand(Program& program) {
  LauncherState saved;
  saved.slots[0].path = saved.drives[0].path = saved.tapePath = program.sandbox.targetPath();
  saved.slots[0].mapper = 1;
  saved.fmsxModel = 3;
  saved.brmsxResolution = 2;
  saved.activeEmulator = EmulatorKind::Fmsx;
  saved.fmsxExePath = program.sandbox.root() + "/emu-native/fmsx-dos.exe";
  ConfigFile file(program.sandbox.root() + "/cfg/Vorlent.ini", configServices(program));
  file.SaveConfig(saved);
  LauncherState loaded;
  MediaPanelState panel;
  file.LoadConfig(loaded, panel);
  const auto mediumPaths = [](LauncherState& state) {
    return std::array<std::string*, 3>{&state.slots[0].path, &state.drives[0].path,
                                       &state.tapePath};
  };
  const auto savedPaths = mediumPaths(saved);
  const auto loadedPaths = mediumPaths(loaded);
  for (std::size_t i = 0; i < savedPaths.size(); ++i) {
    std::string& savedPath = *savedPaths[i];
    const std::string& loadedPath = *loadedPaths[i];
    if (loadedPath.empty()) {
      savedPath = "";
    } else if (loadedPath != savedPath) {
      return {"a path came back with other bytes: " + loadedPath};
    }
  }
  if (loaded.slots[0].path.empty()) loaded.slots[0].mapper = saved.slots[0].mapper;
  if (!(loaded == saved)) return {"the configuration came back changed beyond the medium"};
  return {};
}

// The configuration file itself is the target.
Problems configFileCommand(Program& program) {
  ConfigFile file(program.sandbox.targetPath(), configServices(program));
  LauncherState state;
  MediaPanelState panel;
  try {
    file.LoadConfig(state, panel);
  } catch (const Failure&) {
  }
  try {
    file.SaveConfig(state);
  } catch (const Failure&) {
  }
  return {};
}

struct Command {
  std::string name;
  std::string extension;
  // What the command may change, as paths below the sandbox's root; "{listed}" is the listed
  // folder and "{target}" the target.
  std::vector<std::string> mayChange;
  std::function<Problems(Program&)> run;
};

std::vector<Command> commands() {
  const auto start = [](EmulatorKind emulator, bool dos) {
    return [=](Program& program) { return startCommand(program, emulator, dos); };
  };
  const auto unlocated = [](EmulatorKind emulator) {
    return [=](Program& program) { return unlocatedStartCommand(program, emulator); };
  };
  const auto transfer = [](ShellOperationKind kind, std::string into) {
    return [=](Program& program) {
      const std::string folder = into.empty() ? program.sandbox.root() + "/dest" : into;
      return transferCommand(program, kind, folder);
    };
  };
  const std::string otherFileSystem = "/dev/shm/vorlent-hostile-" + std::to_string(::getpid());
  return {
      {"list", ".rom", {}, listCommand},
      {"mount slot 1",
       ".rom",
       {"home/"},
       [](Program& p) {
         return mountCommand(p, p.state.slots[indexOf(CartridgeSlot::Slot1)].path,
                             [&] { p.media.MountCartridge(p.list, CartridgeSlot::Slot1); });
       }},
      {"mount slot 2",
       ".rom",
       {"home/"},
       [](Program& p) {
         return mountCommand(p, p.state.slots[indexOf(CartridgeSlot::Slot2)].path,
                             [&] { p.media.MountCartridge(p.list, CartridgeSlot::Slot2); });
       }},
      {"mount drive 1",
       ".dsk",
       {"home/"},
       [](Program& p) {
         return mountCommand(p, p.state.drives[indexOf(DiskDrive::Drive1)].path,
                             [&] { p.media.MountDisk(p.list, DiskDrive::Drive1); });
       }},
      {"mount drive 2",
       ".dsk",
       {"home/"},
       [](Program& p) {
         return mountCommand(p, p.state.drives[indexOf(DiskDrive::Drive2)].path,
                             [&] { p.media.MountDisk(p.list, DiskDrive::Drive2); });
       }},
      {"mount tape",
       ".cas",
       {"home/"},
       [](Program& p) {
         return mountCommand(p, p.state.tapePath, [&] { p.media.MountTape(p.list); });
       }},
      {"start brMSX natively", ".rom", {"record", "home/"}, start(EmulatorKind::Brmsx, false)},
      {"start fMSX natively",
       ".dsk",
       {"record", "home/", "emu-native/Vorlent.cfg"},
       start(EmulatorKind::Fmsx, false)},
      {"start brMSX in DOSBox", ".rom", {"record", "home/"}, start(EmulatorKind::Brmsx, true)},
      {"start fMSX in DOSBox",
       ".dsk",
       {"record", "home/", "emu-dos/Vorlent.cfg"},
       start(EmulatorKind::Fmsx, true)},
      {"start brMSX not located", ".rom", {}, unlocated(EmulatorKind::Brmsx)},
      {"start fMSX not located", ".dsk", {}, unlocated(EmulatorKind::Fmsx)},
      {"run the listed program", ".exe", {"record", "home/"}, runListedCommand},
      {"copy", ".rom", {"dest/"}, transfer(ShellOperationKind::Copy, "")},
      {"move", ".rom", {"dest/", "{target}"}, transfer(ShellOperationKind::Move, "")},
      {"move across file systems",
       ".rom",
       {"{target}"},
       [=](Program& p) {
         ::mkdir(otherFileSystem.c_str(), 0700);
         Problems problems = transferCommand(p, ShellOperationKind::Move, otherFileSystem);
         testing::removeTree(otherFileSystem);
         return problems;
       }},
      {"drop", ".rom", {"dest/"}, dropCommand},
      {"delete", ".rom", {"{target}", "home/"}, deleteCommand},
      {"rename to the offered name", ".rom", {}, renameUnchangedCommand},
      {"rename to the name", ".rom", {"{listed}"}, renameToCommand},
      {"new file", ".rom", {"{listed}"}, [](Program& p) { return newEntryCommand(p, false); }},
      {"new folder", ".rom", {"{listed}"}, [](Program& p) { return newEntryCommand(p, true); }},
      {"join from", ".rom", {"dest/"}, joinFromCommand},
      {"join into", ".rom", {"{listed}"}, joinIntoCommand},
      {"configuration round trip", ".rom", {"cfg/"}, configRoundTripCommand},
      {"configuration file", ".ini", {"{target}", "{target}.bak"}, configFileCommand},
  };
}

// ---------------------------------------------------------------------------------------------

std::vector<Target> targets(std::string_view extension, bool deep) {
  std::vector<Target> list;
  for (const HostileName& name : testing::hostileNames()) {
    if (deep && name.label != "255 bytes ASCII" && name.label != "shell characters" &&
        name.label != "invalid UTF-8") {
      continue;
    }
    list.push_back({name.label, testing::hostileFileName(name, extension), std::nullopt});
  }
  for (SpecialFile kind : testing::specialFiles()) {
    if (deep && kind != SpecialFile::Fifo && kind != SpecialFile::LinkToZero) continue;
    list.push_back({testing::specialFileLabel(kind), "x>PWNED" + std::string(extension), kind});
  }
  return list;
}

bool allowed(const std::string& changed, const Command& command, const Sandbox& sandbox) {
  // The program's own staging folder for DOSBox.
  if (changed.starts_with("home/run/")) return true;
  const std::string listed = sandbox.relative(sandbox.listed());
  const std::string target = sandbox.relative(sandbox.targetPath());
  for (std::string pattern : command.mayChange) {
    if (pattern == "{listed}") pattern = listed + "/";
    if (pattern == "{target}") pattern = target;
    if (pattern == "{target}.bak") pattern = target + ".bak";
    if (changed == pattern ||
        changed.starts_with(pattern.ends_with('/') ? pattern : pattern + "/")) {
      return true;
    }
  }
  return false;
}

std::string printable(std::string_view bytes) {
  std::string text;
  for (unsigned char c : bytes) {
    if (c < 0x20 || c >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      text += escaped;
    } else {
      text += char(c);
    }
  }
  return text.size() > 120 ? text.substr(0, 120) + "..." : text;
}

// depth: the least length of the listed folder's path; 0 for a short one.
void runEverywhere(std::size_t depth) {
  int runs = 0;
  for (const Command& command : commands()) {
    for (const Target& target : targets(command.extension, depth > 0)) {
      SCOPED_TRACE(command.name + " on " + target.label + " (" + printable(target.name) + ")");
      Sandbox sandbox(target, depth);
      const testing::TreeSnapshot before = testing::snapshotTree(sandbox.root());
      const testing::WatchedRun run = testing::runWatched(
          [&] {
            Program program(sandbox);
            Problems problems;
            try {
              problems = command.run(program);
            } catch (const Failure& failure) {
              // The window shows it as the general error report.
              program.feedback.reportError(failure.what());
            }
            std::string report;
            for (const std::string& problem : problems) {
              report += problem + " -" + program.events() + "\n";
            }
            return report;
          },
          kWatchdogSeconds);
      ++runs;
      EXPECT_TRUE(run.finished) << run.problem;
      EXPECT_EQ(printable(run.report), "");
      const testing::TreeSnapshot after = testing::snapshotTree(sandbox.root());
      for (const std::string& changed : testing::changedPaths(before, after)) {
        EXPECT_TRUE(allowed(changed, command, sandbox))
            << "changed outside the command's target: " << printable(changed);
      }
    }
  }
  std::printf("%d hostile runs\n", runs);
}

TEST(HostileInputTest, EveryCommandOnEveryHostileNameAndSpecialFile) { runEverywhere(0); }

// The folder's path fits the system's limit; the paths of the names in it do not.
TEST(HostileInputTest, EveryCommandInAFolderNearTheLimitOfAPath) { runEverywhere(3900); }

// Not even the folder's own path fits: the program cannot tell where it is.
TEST(HostileInputTest, EveryCommandInAFolderBeyondTheLimitOfAPath) { runEverywhere(4200); }

}  // namespace
}  // namespace vorlent
