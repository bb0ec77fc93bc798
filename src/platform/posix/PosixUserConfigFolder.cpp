#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/UserConfigFolder.h"

namespace vorlent {

namespace {

std::optional<std::string> absoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') {
    return std::nullopt;
  }
  return std::string(value);
}

// Makes the folder and the folders on its way, for this user alone; whether it is a folder now.
bool madeFolder(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    ::mkdir(path.substr(0, slash).c_str(), 0700);
  }
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::optional<std::string> userConfigFolder() {
  std::string base;
  if (auto config = absoluteVariable("XDG_CONFIG_HOME")) {
    base = *config;
  } else if (auto home = absoluteVariable("HOME")) {
    base = *home + "/.config";
  } else {
    return std::nullopt;
  }
  const std::string folder = base + "/vorlent/";
  if (!madeFolder(folder)) {
    return std::nullopt;
  }
  return folder;
}

}  // namespace vorlent
