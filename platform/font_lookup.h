// Finding a font file for a face name through fontconfig.
#pragma once
#include <string>

struct FontFile {
  std::string path;  // empty when the system has no font at all
  int index = 0;     // face within a collection file
};

// The requested face if installed, else a Japanese face (Komatuna, IPA Gothic, any with
// Japanese), else any font.
FontFile FindFontFile(const char* face);
