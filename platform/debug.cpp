#include "platform/debug.h"

#include "platform/backend.h"

void DebugOut(const std::string& text) {
  CurrentBackend().DebugLine(text.c_str());
}

void DebugLine(const std::string& text) {
  constexpr size_t kLineBytes = 127;
  size_t end = text.size();
  if (end > kLineBytes - 1) {
    end = kLineBytes - 1;
    // Back over the continuation bytes (10xxxxxx) of a character the cut would split.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) end--;
  }
  DebugOut(text.substr(0, end) + "\n");
}
