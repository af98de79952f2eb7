// img/select.BMP: the world map the stage nodes sit on, the node pictures (a village with a
// box, and the demon castle) in two frames each, the "cleared" label and the cursor.
#include <cmath>

#include "tools/assetgen/panel.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/scenery.h"
#include "tools/assetgen/text.h"

namespace assetgen {
namespace {

// Top-left corners of the eleven nodes; each node picture is 100 x 100.
constexpr int kNodes[11][2] = {{100, 300}, {200, 300}, {200, 200}, {200, 50},
                               {350, 200}, {350, 100}, {450, 100}, {350, 300},
                               {450, 300}, {450, 200}, {100, 100}};

void MapBackground(Canvas& c) {
  // Sea with ripples, mid-toned so that the black lines between the nodes show.
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const bool ripple = (y % 16 == 0) && ((x + y * 3) % 40 < 12);
      c.Set(x, y, ripple ? MakeRgb(140, 190, 220) : MakeRgb(86, 140, 190));
    }
  // The land: one island around the nodes, beach rim, grass with darker patches.
  Mask land(640, 480);
  for (const auto& n : kNodes) land.Ellipse(n[0] + 50, n[1] + 50, 82, 70);
  Mask beach(640, 480);
  for (const auto& n : kNodes) beach.Ellipse(n[0] + 50, n[1] + 50, 90, 78);
  Paint(c, beach, [](int, int, bool) { return MakeRgb(220, 200, 140); });
  Prng rng(201);
  Paint(c, land, [&](int x, int y, bool edge) {
    if (edge) return MakeRgb(110, 150, 80);
    const double n = std::sin(x * 0.05) * std::sin(y * 0.07);
    Rgb col = n > 0.4 ? MakeRgb(130, 180, 100) : MakeRgb(146, 192, 110);
    if (rng.Unit() < 0.03) col = MakeRgb(120, 166, 90);
    return col;
  });
  // Landmarks between the nodes: mountains in the north, forest in the west, a lake.
  Mountain(c, 320, 30, 40, 90, MakeRgb(150, 140, 130), true);
  Mountain(c, 360, 50, 30, 92, MakeRgb(140, 130, 120), true);
  for (int i = 0; i < 7; ++i)
    SmallTree(c, 60 + (i % 3) * 14, 250 + i * 9, 14, MakeRgb(60, 130, 70), true);
  for (int i = 0; i < 5; ++i)
    SmallTree(c, 560 + (i % 2) * 16, 120 + i * 22, 12, MakeRgb(70, 140, 70), false);
  Mask lake(640, 480);
  lake.Ellipse(330, 420, 30, 14);
  Paint(c, lake,
        [](int, int, bool edge) { return edge ? MakeRgb(70, 120, 170) : MakeRgb(100, 160, 210); });
  // A compass rose and the map's title in the lower corners.
  Mask rose(640, 480);
  rose.Polygon({{580, 400}, {586, 424}, {580, 448}, {574, 424}});
  rose.Polygon({{556, 424}, {580, 418}, {604, 424}, {580, 430}});
  PaintLit(c, rose, MakeRgb(240, 220, 160));
  PanelStyle s;
  s.fillTop = MakeRgb(250, 240, 210), s.fillBottom = MakeRgb(236, 216, 176);
  s.border = MakeRgb(140, 90, 50), s.borderWidth = 3, s.radius = 8, s.studs = false;
  DrawPanel(c, 16, 424, 190, 40, s);
  TextStyle t;
  t.cellHeight = 22, t.cellWidth = 11, t.fill = MakeRgb(90, 50, 30);
  DrawTextCentered(c, 111, 433, Translated("せかいの　ちず"), t, 176);
}

void Village(Canvas& c, int x, int y, int frame) {
  // A small island with a house and a box with someone inside; the box hops in frame 1.
  Canvas v(100, 100);
  Mask island(100, 100);
  island.Ellipse(50, 72, 44, 20);
  PaintLit(v, island, MakeRgb(110, 180, 80));
  Mask cliff(100, 100);
  cliff.Ellipse(50, 78, 44, 18).Rect(6, 72, 88, 6);
  cliff.Ellipse(50, 72, 44, 20, false);
  PaintLit(v, cliff, MakeRgb(150, 110, 70));
  Mask wall(100, 100), roof(100, 100);
  wall.Rect(18, 48, 30, 24);
  roof.Polygon({{13, 50}, {53, 50}, {33, 30}});
  PaintLit(v, wall, MakeRgb(236, 216, 176));
  PaintLit(v, roof, MakeRgb(70, 110, 200));
  v.FillRect(28, 58, 9, 14, MakeRgb(120, 80, 50));
  const int hop = frame == 1 ? 5 : 0;
  Mask box(100, 100), lid(100, 100);
  box.Rect(58, 58 - hop, 26, 18);
  lid.Rect(55, 52 - hop - (frame == 1 ? 3 : 0), 32, 7);
  PaintLit(v, box, MakeRgb(200, 52, 48));
  PaintLit(v, lid, MakeRgb(220, 80, 70));
  v.FillRect(69, 52 - hop - (frame == 1 ? 3 : 0), 4, 24 + (frame == 1 ? 3 : 0),
             MakeRgb(248, 200, 64));
  if (frame == 1) {
    // "!" above the hopping box: someone is calling for help.
    v.FillRect(70, 30, 3, 8, MakeRgb(250, 250, 250)),
        v.FillRect(70, 40, 3, 3, MakeRgb(250, 250, 250));
  }
  v.OutlineOpaque(kInk);
  // The last two rows stay clear: the "cleared" label begins there in the sheet.
  for (int j = 98; j < 100; ++j)
    for (int i = 0; i < 100; ++i) v.Set(i, j, kKey);
  c.Paste(v, x, y);
}

void DemonCastle(Canvas& c, int x, int y, int frame) {
  Canvas v(100, 100);
  Mask rock(100, 100);
  rock.Ellipse(50, 76, 46, 20);
  PaintLit(v, rock, MakeRgb(90, 70, 100));
  const Rgb wall = MakeRgb(96, 70, 120);
  Mask keep(100, 100);
  keep.Rect(30, 34, 40, 40).Rect(16, 44, 14, 30).Rect(70, 44, 14, 30);
  for (int i = 0; i < 5; ++i) keep.Rect(30 + i * 9, 29, 5, 6);
  PaintLit(v, keep, wall);
  Mask roofs(100, 100);
  roofs.Polygon({{14, 45}, {32, 45}, {23, 26}}).Polygon({{68, 45}, {86, 45}, {77, 26}});
  roofs.Polygon({{40, 30}, {60, 30}, {50, 8}});
  PaintLit(v, roofs, MakeRgb(170, 40, 60));
  Mask gate(100, 100);
  gate.Rect(44, 58, 12, 16).Ellipse(50, 58, 6, 5);
  PaintFlat(v, gate, MakeRgb(40, 24, 40));
  const Rgb glow = frame == 0 ? MakeRgb(250, 200, 60) : MakeRgb(250, 90, 60);
  v.FillRect(21, 52, 4, 5, glow), v.FillRect(75, 52, 4, 5, glow), v.FillRect(48, 40, 4, 6, glow);
  // A flag that flaps between the frames.
  v.Line(50, 8, 50, 0, MakeRgb(60, 50, 60));
  Mask flag(100, 100);
  if (frame == 0)
    flag.Polygon({{51, 0}, {62, 2}, {51, 5}});
  else
    flag.Polygon({{51, 0}, {60, 4}, {51, 6}});
  PaintFlat(v, flag, MakeRgb(200, 40, 60));
  v.OutlineOpaque(kInk);
  c.Paste(v, x, y);
}

void ClearedLabel(Canvas& c) {
  Canvas v(100, 22);
  PanelStyle s;
  s.fillTop = MakeRgb(250, 90, 80), s.fillBottom = MakeRgb(200, 40, 50);
  s.border = MakeRgb(250, 220, 120), s.borderWidth = 2, s.radius = 8, s.studs = false;
  DrawPanel(v, 8, 2, 84, 20, s);
  TextStyle t;
  t.cellHeight = 16, t.cellWidth = 8, t.fill = MakeRgb(255, 255, 240);
  t.outline = MakeRgb(120, 20, 30), t.outlineWidth = 1;
  DrawTextCentered(v, 50, 4, Translated("クリア"), t, 78);
  c.Paste(v, 0, 578);
}

void Cursor(Canvas& c, int x, int y, int frame) {
  // A wide arrowhead that bobs over the node, pointing down at it. The scene puts the cell 20
  // right of and 10 below the node's corner and the "cleared" label 20 below the corner, so the
  // arrow keeps to the cell's top ten rows and never covers the label.
  static const int kBob[] = {0, 1, 1, 0};
  Canvas v(64, 64);
  const double top = kBob[frame];
  Mask m(64, 64);
  m.Polygon({{8, top}, {56, top}, {32, top + 9.5}});
  Paint(v, m, [&](int px, int py, bool edge) {
    if (edge) return MakeRgb(120, 30, 20);
    return py < top + 3 ? MakeRgb(255, 240, 120)
           : px < 32    ? MakeRgb(255, 180, 40)
                        : MakeRgb(240, 130, 30);
  });
  c.Paste(v, x, y);
}

}  // namespace

Canvas DrawSelectSheet() {
  Canvas sheet(640, 620);
  Canvas map(640, 480);
  MapBackground(map);
  sheet.Paste(map, 0, 0, false);
  Village(sheet, 0, 480, 0);
  Village(sheet, 100, 480, 1);
  DemonCastle(sheet, 200, 480, 0);
  DemonCastle(sheet, 300, 480, 1);
  ClearedLabel(sheet);
  Cursor(sheet, 512, 480, 0);
  Cursor(sheet, 576, 480, 1);
  Cursor(sheet, 512, 544, 2);
  Cursor(sheet, 576, 544, 3);
  return sheet;
}

}  // namespace assetgen
