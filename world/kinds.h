// Item kinds and facings, by the numbers the stage files and the picture sheets use. The game and
// kobako-assetgen both read them from here, so a kind's picture row and its rules never part.
#pragma once

// An item's kind is its code's last two digits (Item % 100); it is also the item's row in the
// item sheet.
enum ItemKinds {
  kHedge = 0,
  kRock = 1,
  kTree = 2,
  kBarrel = 3,
  kBox = 4,            // a container opened from any side
  kChest = 5,          // a container opened only from below, facing up
  kSnare = 6,          // holds the hero for a while
  kPit = 7,            // drops the hero to the pit its Act names
  kSwitch = 8,         // pressed, it becomes kSwitchPressed and opens the gate its Act names
  kSwitchPressed = 9,  // springs back to kSwitch once nothing stands on it
  kMovable = 10,       // pushed one tile by the hero
  kGate = 11,
  kItemKinds
};

// Where the hero (or a sprite) faces and where a step goes; also the row of a figure's sprite.
enum Facing {
  kFaceUp = 0,     // y - 1
  kFaceDown = 1,   // y + 1
  kFaceLeft = 2,   // x - 1
  kFaceRight = 3,  // x + 1
};
