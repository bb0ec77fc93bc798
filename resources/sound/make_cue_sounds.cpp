// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the four sound cues (ok, set, error, reset) as short, quiet 16-bit mono wave files.
// The output is a pure function of this source, so every build ships the same bytes.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kLoudness = 0.22;

struct Note {
  double startHz;
  double endHz;
  double seconds;
};

// A note with a quick attack and an exponential release, so cues end without a click.
void appendNote(std::vector<std::int16_t>& samples, const Note& note) {
  const int count = static_cast<int>(note.seconds * kSampleRate);
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / count;
    const double hz = note.startHz + (note.endHz - note.startHz) * t;
    phase += 2.0 * std::numbers::pi * hz / kSampleRate;
    const double attack = std::min(1.0, i / (0.004 * kSampleRate));
    const double envelope = attack * std::exp(-4.0 * t);
    const double value = kLoudness * envelope * (std::sin(phase) + 0.15 * std::sin(2.0 * phase));
    samples.push_back(static_cast<std::int16_t>(std::lround(value * 32767.0)));
  }
}

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
  }
}

bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  putLittleEndian(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  putLittleEndian(out, 16, 4);  // format chunk size
  putLittleEndian(out, 1, 2);   // PCM
  putLittleEndian(out, 1, 2);   // mono
  putLittleEndian(out, kSampleRate, 4);
  putLittleEndian(out, kSampleRate * 2, 4);
  putLittleEndian(out, 2, 2);
  putLittleEndian(out, 16, 2);
  out.write("data", 4);
  putLittleEndian(out, dataBytes, 4);
  for (const std::int16_t sample : samples) {
    putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  }
  return static_cast<bool>(out);
}

std::vector<std::int16_t> cue(std::initializer_list<Note> notes) {
  std::vector<std::int16_t> samples;
  for (const Note& note : notes) {
    appendNote(samples, note);
  }
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_cue_sounds <folder>\n";
    return 2;
  }
  const std::string folder = argv[1];
  const bool written =
      writeWave(folder + "/ok.wav", cue({{1046.5, 1046.5, 0.09}, {1318.5, 1318.5, 0.16}})) &&
      writeWave(folder + "/set.wav", cue({{880.0, 990.0, 0.08}})) &&
      writeWave(folder + "/error.wav", cue({{329.6, 329.6, 0.12}, {261.6, 261.6, 0.2}})) &&
      writeWave(folder + "/reset.wav", cue({{1200.0, 500.0, 0.22}}));
  if (!written) {
    std::cerr << "make_cue_sounds: cannot write into " << folder << '\n';
    return 1;
  }
  return 0;
}
