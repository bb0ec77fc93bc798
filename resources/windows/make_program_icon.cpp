// SPDX-License-Identifier: GPL-3.0-or-later
// Packs PNG pictures of one icon, drawn at several sides, into a Windows icon file (.ico):
//   make_program_icon OUTPUT.ico SIDE:PICTURE.png...
// Each picture is stored as it is: icon files hold PNG data since Windows Vista.

#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Picture {
  int side;
  std::vector<char> png;
};

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
  }
}

bool isPng(const std::vector<char>& bytes) {
  static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < sizeof kSignature) {
    return false;
  }
  for (std::size_t i = 0; i < sizeof kSignature; ++i) {
    if (static_cast<unsigned char>(bytes[i]) != kSignature[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make_program_icon OUTPUT.ico SIDE:PICTURE.png...\n";
    return 2;
  }
  std::vector<Picture> pictures;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    const auto colon = argument.find(':');
    const int side = colon == std::string::npos ? 0 : std::stoi(argument.substr(0, colon));
    if (side < 1 || side > 256) {
      std::cerr << "make_program_icon: a side from 1 to 256 is needed: " << argument << '\n';
      return 2;
    }
    std::ifstream in(argument.substr(colon + 1), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    const std::string bytes = content.str();
    std::vector<char> png(bytes.begin(), bytes.end());
    if (!in || !isPng(png)) {
      std::cerr << "make_program_icon: not a PNG picture: " << argument.substr(colon + 1) << '\n';
      return 1;
    }
    pictures.push_back({side, std::move(png)});
  }

  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  constexpr std::uint32_t kHeaderBytes = 6;
  constexpr std::uint32_t kEntryBytes = 16;
  putLittleEndian(out, 0, 2);  // reserved
  putLittleEndian(out, 1, 2);  // an icon, not a cursor
  putLittleEndian(out, static_cast<std::uint32_t>(pictures.size()), 2);
  auto offset = kHeaderBytes + kEntryBytes * static_cast<std::uint32_t>(pictures.size());
  for (const Picture& picture : pictures) {
    // A side of 256 is written as 0.
    putLittleEndian(out, static_cast<std::uint32_t>(picture.side % 256), 1);
    putLittleEndian(out, static_cast<std::uint32_t>(picture.side % 256), 1);
    putLittleEndian(out, 0, 1);   // no palette
    putLittleEndian(out, 0, 1);   // reserved
    putLittleEndian(out, 1, 2);   // colour planes
    putLittleEndian(out, 32, 2);  // bits per pixel
    putLittleEndian(out, static_cast<std::uint32_t>(picture.png.size()), 4);
    putLittleEndian(out, offset, 4);
    offset += static_cast<std::uint32_t>(picture.png.size());
  }
  for (const Picture& picture : pictures) {
    out.write(picture.png.data(), static_cast<std::streamsize>(picture.png.size()));
  }
  out.close();
  if (!out) {
    std::cerr << "make_program_icon: could not write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
