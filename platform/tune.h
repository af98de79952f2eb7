// The background tune: one MIDI file, opened once, started from the top whenever it stops.
#pragma once
#include <string>

// Opens the tune at `name` (a data file name); a tune that is missing, not a regular file or too
// large is none, and then it never plays.
void OpenTune(const std::string& name);
// True once each time the opened tune has reached its end (and before its first start). A tune
// that ends within a quarter of a second of its start cannot play: it is named once on the debug
// output and never reported stopped again.
bool TuneStopped();
void PlayTuneFromStart();
