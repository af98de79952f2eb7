// Every picture the game loads, each drawn by its own function.
#pragma once
#include "gfx/picture_names.h"
#include "tools/assetgen/raster.h"

namespace assetgen {

constexpr int kAreas = AREA_PICTURES;

Canvas DrawTrapSheet();         // img/trap.bmp: floors and items, one column per area
Canvas DrawHeroSheet();         // img/hero.bmp
Canvas DrawVillagerSheet();     // img/vill.bmp
Canvas DrawFrameSheet();        // img/frame.bmp: windows, portraits, pause panel
Canvas DrawWipeShade();         // img/Back.bmp: subtracted by the stage-start wipe
Canvas DrawAreaBack(int area);  // img/back%d.bmp
Canvas DrawClearPicture();      // img/clear.bmp
Canvas DrawKelball();           // img/kelball.bmp: balls, title lettering, title entries
Canvas DrawOpeningBack();       // img/OP_back.bmp
Canvas DrawOpeningPages();      // img/OP_pic.bmp
Canvas DrawSelectSheet();       // img/select.BMP
Canvas DrawEnding();            // img/end.bmp
Canvas DrawIcon(int size);      // icons/kobako-<size>.png

}  // namespace assetgen
