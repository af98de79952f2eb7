// kobako-datagen IN OUT: writes the game's copy of one stage or message file.
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/datagen/datagen.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kobako-datagen SOURCE.txt OUTPUT.txt\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot read\n";
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  DataGenResult result = ConvertDataText(text.str());
  if (!result.ok) {
    std::cerr << argv[1] << ": " << result.error << "\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << result.bytes;
  if (!out) {
    std::cerr << argv[2] << ": cannot write\n";
    return 1;
  }
  return 0;
}
