// The actor lists during play: the action key, and adding, removing and re-sorting actors.
#pragma once
#include "play/stage_state.h"

// The action key: open the container in front of the hero (on the last stage, capture the figure
// in front of him instead).
void UseFacing();
// Appends an item (codes below 200) or a villager (200 to 399) on tile (x, y).
void AddActor(int code, int x, int y, int shown);
// Removes the item with index code - 100.
void RemoveItem(int code);
// Sorts the items by kind, keeps pit and switch links pointing at the same items, renumbers No.
void SortItems();
