// The file that keeps the stage map's progress between runs, the only file the game writes.
// Without one set (the default, as in the tests and tools) nothing is read, written or removed.
//
// A file kobako cannot read or does not understand is never written over or removed: the save
// that finds it moves it aside first, as progress.unreadable, progress.newer or progress.damaged
// (with .1, .2 ... when that name is taken). Saves and the reset take a lock on the folder, so two
// copies of the game never interleave their reads and writes.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

// The player's file: $XDG_DATA_HOME/kobako/progress, else $HOME/.local/share/kobako/progress;
// empty when neither names an absolute folder.
std::string PlayerProgressFile();
// Sets the file (an absolute path, or empty for none) and lets a run that stopped saving save.
void SetProgressFile(const std::string& path);

// The file's text, read at start-up; temporary files that saves cut short left behind more than a
// minute ago are removed first. False without a file set, without the file (a first run), or when
// it is not a regular file of at most kProgressLimit bytes that reads: then one line on standard
// error says so.
bool ReadProgressFile(std::string* text);

// Why a file found by a save cannot be kept where it is: the word names the file it is moved to.
struct ProgressAside {
  std::string word;  // "newer", "damaged"; empty to keep the file
  std::string why;   // for the line on standard error
};
// Hands `next` the file's text as it is now (null when there is none) and writes the text it
// returns, under the lock: written to a new file in the same folder, flushed and renamed over it,
// so that at every moment the file holds either the old or the new text. When `next` fills in
// *aside, or the file cannot be read, it is moved aside first. False, with one line on standard
// error, when it cannot write; a folder that cannot be created or written also stops the saving
// for the rest of the run.
bool SaveProgressFile(
    const std::function<std::string(const std::string* kept, ProgressAside* aside)>& next);
// Removes the file, under the lock, when `mayRemove` agrees with its text; a file that cannot be
// read stays.
void RemoveProgressFile(const std::function<bool(const std::string& kept)>& mayRemove);
// One line on standard error, "kobako: FILE: why".
void ReportProgressFile(const std::string& why);

// Far more than the longest progress a player can make.
constexpr size_t kProgressLimit = 4096;
