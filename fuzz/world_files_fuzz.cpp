// Any bytes as a stage or message file on disk, found through the game's own file lookup: reading
// and parsing must stay inside their buffers and tables, a missing file must fall back to stage 1,
// and the stage set up must stand on the map.
// The first byte is the setting: bit 0 message file instead of stage file; bits 1-2 how the file
// is stored (0 by its own name, 1 in other letter case, 2 only as the stage 1 file the lookup
// falls back to, 3 not at all); bits 3-6 the stage number. The rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/scratch_dir.h"
#include "fuzz/world_checks.h"
#include "fuzz/world_reset.h"
#include "world/datafile.h"
#include "world/setup.h"
#include "world/world.h"

namespace {

enum Storage { OWN_NAME, OTHER_CASE, FALLBACK_ONLY, NOWHERE };

// Set-up puts exactly one mark under the hero.
int MarkCount() {
  int marks = 0;
  for (const auto& column : TileMark) {
    for (int mark : column) marks += mark;
  }
  return marks;
}

// The data folder is made once and only renamed between the two spellings an input asks for:
// making and removing folders would take most of the time of an input.
const char* DataFolder(const char* spelling) {
  static const char* current = "data";
  if (std::strcmp(current, spelling) != 0) {
    if (std::rename(current, spelling) != 0) {
      std::perror(spelling);
      std::abort();
    }
    current = spelling;
  }
  return current;
}

// Stores the file as the setting says and gives its path; empty when it is not stored.
std::string Store(Storage storage, const std::string& ownName, const uint8_t* bytes, size_t size) {
  std::string path;
  switch (storage) {
    case OWN_NAME:
      path = std::string(DataFolder("data")) + "/" + ownName;
      break;
    case OTHER_CASE: {
      // Folder and file both spelt otherwise, as in a data folder copied from elsewhere.
      std::string other = ownName;
      for (size_t i = 1; i < other.size(); i++) {
        if (other[i] >= 'a' && other[i] <= 'z') other[i] = static_cast<char>(other[i] - 'a' + 'A');
      }
      path = std::string(DataFolder("DATA")) + "/" + other;
      break;
    }
    case FALLBACK_ONLY:
      path = std::string(DataFolder("data")) + "/data01.txt";
      break;
    case NOWHERE:
      return path;
  }
  fuzzdir::WriteFile(path, bytes, size);
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > (1u << 20)) return 0;
  const uint8_t setting = data[0];
  const bool messages = (setting & 1) != 0;
  const Storage storage = static_cast<Storage>((setting >> 1) & 3);
  const int stage = (setting >> 3) & 15;
  const uint8_t* file = data + 1;
  const size_t fileSize = size - 1;

  fuzzdir::InScratch here;
  ResetWorld(stage);
  char ownName[32];
  if (messages) {
    std::snprintf(ownName, sizeof ownName, "mes.txt");
  } else {
    std::snprintf(ownName, sizeof ownName, "data%02d.txt", stage);
  }
  const std::string stored = Store(storage, ownName, file, fileSize);
  const bool found = storage == OWN_NAME || storage == OTHER_CASE ||
                     (storage == FALLBACK_ONLY && !messages && stage == 1);

  if (messages) {
    // As at start-up.
    ReadDataFile("data/mes.txt");
    DataPos = 0;
    ParseRecords();
  } else {
    SetupStage(stage);
    Check(MarkCount() == 1);
  }
  Check(DataSize == (stored.empty() ? 0 : static_cast<int>(fileSize)));
  Check(DataSize == static_cast<int>(DataBuf.size()));
  if (!found) Check(StageNo == 1);
  Check(DataPos >= 0);
  CheckWorld();

  if (!stored.empty()) std::remove(stored.c_str());
  ForgetPictureRecords();
  return 0;
}
