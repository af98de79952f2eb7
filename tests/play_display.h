// The display a stage is drawn with, on whichever backend is installed: the screen, the back
// buffer, the message font, and the shared PictureSlots with the window and wipe pictures.
#pragma once
#include <memory>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/picture_slots.h"
#include "platform/screen.h"
#include "platform/surface.h"
#include "platform/text.h"

// As the start-up does it: the screen opened, the back buffer and the font made, the picture
// slots drawing onto the back buffer with the two shared pictures loaded.
inline void OpenStageDisplay(const char* framePicture, const char* backPicture) {
  Display& display = TheDisplay();
  display.screen.Open();
  display.backbuffer = Surface(SCREEN_W, SCREEN_H);
  display.font = Font(20, 12);
  StartPictures(framePicture, backPicture);
}

// Lets the stage surfaces go too, and closes the screen.
inline void CloseStageDisplay() {
  Display& display = TheDisplay();
  for (Surface* s : {&display.back, &display.chara, &display.item, &display.vill, &display.fram,
                     &display.clea, &display.menu})
    ReleaseSurface(*s);
  display.pictures.reset();
  ReleaseSurface(display.backbuffer);
  display.screen.Close();
  display.font = Font();
}
