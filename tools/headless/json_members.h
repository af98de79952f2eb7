// A small writer of JSON object members for the runner's state files.
#pragma once
#include <cstdio>
#include <cstring>
#include <string>

#include "world/world.h"

// Enough digits to read back the same double; whole numbers keep a ".0".
inline std::string JsonNumber(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  if (std::strpbrk(text, ".eEn") == nullptr) std::strcat(text, ".0");
  return text;
}

// Writes "name":value members, putting the commas between them.
class Members {
 public:
  explicit Members(std::string& json) : json_(json) {}

  Members& Int(const char* name, int value) { return Raw(name, std::to_string(value)); }
  // Scene names and the like are plain identifiers: nothing to escape.
  Members& Name(const char* name, const char* value) {
    return Raw(name, std::string("\"") + value + "\"");
  }
  Members& Tile(const char* name, TilePoint tile) {
    return Raw(name, "[" + std::to_string(tile.x) + "," + std::to_string(tile.y) + "]");
  }
  Members& Pos(const DPoint& pos) {
    return Raw("pos", "[" + JsonNumber(pos.x) + "," + JsonNumber(pos.y) + "]");
  }
  Members& Raw(const char* name, const std::string& value) {
    if (!first_) json_ += ',';
    first_ = false;
    json_ += '"';
    json_ += name;
    json_ += "\":";
    json_ += value;
    return *this;
  }

 private:
  std::string& json_;
  bool first_ = true;
};
