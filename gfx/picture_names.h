// The game's picture files, by the names the game loads them under. kobako-assetgen draws each
// one under the same name, and the build's list of the pictures it makes is read from this file.
#pragma once

constexpr char PICTURE_FRAME[] = "img/frame.bmp";
constexpr char PICTURE_WIPE[] = "img/Back.bmp";
constexpr char PICTURE_TRAP[] = "img/trap.bmp";
constexpr char PICTURE_HERO[] = "img/hero.bmp";
constexpr char PICTURE_VILLAGERS[] = "img/vill.bmp";
constexpr char PICTURE_CLEAR[] = "img/clear.bmp";
constexpr char PICTURE_LOGO[] = "img/kelball.bmp";
constexpr char PICTURE_OPENING_BACK[] = "img/OP_back.bmp";
constexpr char PICTURE_OPENING_PAGES[] = "img/OP_pic.bmp";
constexpr char PICTURE_SELECT[] = "img/select.BMP";
constexpr char PICTURE_ENDING[] = "img/end.bmp";
// A stage's background, by its area number; pictures are drawn for areas 0 to AREA_PICTURES - 1.
constexpr char PICTURE_AREA_BACK[] = "img/back%d.bmp";
constexpr int AREA_PICTURES = 10;
// The pictures that hold words: kobako-assetgen draws them again for every language, into the
// language's folder, where the game finds them first.
constexpr const char* PICTURES_WITH_WORDS[] = {PICTURE_LOGO, PICTURE_OPENING_PAGES, PICTURE_SELECT,
                                               PICTURE_CLEAR, PICTURE_ENDING};
