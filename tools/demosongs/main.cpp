// Writes the demo songs into the folder named on the command line.
#include <cstdio>
#include <filesystem>
#include <string>

#include "Compositions.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"
#include "mediagen/WavFile.h"

int main(int argc, char** argv) {
  // A first argument that starts with a dash is an option, not a folder: print the usage.
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  auto at = [&folder](const char* name) { return (folder / name).string(); };
  const bool written =
      MediaGen::WriteWav(at("Solvane - Morning Light.wav"), DemoSongs::MorningLight()) &&
      MediaGen::WriteOgg(at("Solvane - Evening Breeze.ogg"), DemoSongs::EveningBreeze()) &&
      MediaGen::WriteMp3(at("Solvane - Night Walk.mp3"), DemoSongs::NightWalk(), 160) &&
      MediaGen::WriteMod(at("Solvane - Little Tracker.mod"), DemoSongs::LittleTracker());
  if (!written) {
    std::fprintf(stderr, "cannot write the demo songs into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
