#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <thread>

#include "platform/DesktopOpener.h"

extern char** environ;

namespace vorlent {

namespace {

// Starts the freedesktop opener without a shell and reaps it in the background.
class PosixDesktopOpener final : public DesktopOpener {
 public:
  void open(std::string_view path, std::string_view workingFolder) override {
    std::string program = "xdg-open";
    std::string target(path);
    const std::string folder(workingFolder);
    char* argv[] = {program.data(), target.data(), nullptr};

    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0) {
      return;
    }
    ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (!folder.empty()) {
      ::posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    }
    pid_t child = 0;
    const int result = ::posix_spawnp(&child, program.c_str(), &actions, nullptr, argv, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (result == 0) {
      std::thread([child] {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
      }).detach();
    }
  }
};

}  // namespace

std::unique_ptr<DesktopOpener> makeDesktopOpener() {
  return std::make_unique<PosixDesktopOpener>();
}

}  // namespace vorlent
