// make-sounds FOLDER: writes the seven effects of the program into FOLDER.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-sounds FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (int i = 0; i < pelvoro::kSoundCount; ++i) {
    const auto sound = static_cast<pelvoro::Sound>(i);
    const std::filesystem::path file = folder / std::filesystem::u8path(pelvoro::soundFileName(sound));
    std::ofstream out(file, std::ios::binary);
    pelvoro::sounds::writeWav(out, pelvoro::sounds::synthesize(sound));
    if (!out.flush()) {
      std::cerr << "make-sounds: cannot write " << file << "\n";
      return 1;
    }
  }
  return 0;
}
