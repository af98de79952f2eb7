// The file that keeps the stage map's progress between runs, the only file the game writes.
// Without one set (the default, as in the tests and tools) nothing is read, written or removed.
#pragma once
#include <cstddef>
#include <string>

// The player's file: $XDG_DATA_HOME/kobako/progress, else $HOME/.local/share/kobako/progress;
// empty when neither names an absolute folder.
std::string PlayerProgressFile();
// Sets the file (an absolute path, or empty for none) and lets a run that stopped saving save.
void SetProgressFile(const std::string& path);

// The file's text. False without a file set, without the file (a first run), or when it is not a
// regular file of at most kProgressLimit bytes that reads: then one line on standard error says so.
bool ReadProgressFile(std::string* text);
// Replaces the file's text: written to a new file in the same folder, flushed and renamed over
// it, so that at every moment the file holds either the old or the new text. False, with one line
// on standard error, when it cannot; a folder that cannot be created or written also stops the
// saving for the rest of the run.
bool WriteProgressFile(const std::string& text);
// Removes the file, so that the next run starts as the first did.
void RemoveProgressFile();
// One line on standard error, "kobako: FILE: why".
void ReportProgressFile(const std::string& why);

// Far more than the longest progress a player can make.
constexpr size_t kProgressLimit = 4096;
