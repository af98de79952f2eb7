// The keys the game reads, from the keyboard or a game controller standing in for them.
#pragma once

enum class Key { Tab, Shift, Control, Escape, Space, Left, Up, Right, Down, Backspace, Z, R, H };

// True while the key is held; the desktop's events go on flowing meanwhile.
bool IsKeyDown(Key key);
