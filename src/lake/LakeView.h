#pragma once
// The lake view's drawing surface: an off-screen picture of the visible part
// of the lake. Tiles, the boat, the traffic, splashes and the cast line are
// drawn into it; the water test reads its pixels; the window only copies it
// to the screen. Exposing the window never wipes a sprite.

#include <QImage>
#include <functional>

class QPainter;

#include "shell/CellGrid.h"

namespace lwk {

struct Pictures;

class LakeView {
 public:
  // Size of the view's client area in pixels; the surface is rebuilt and
  // every visible tile repainted.
  void setViewSize(int width, int height);
  int width() const { return surface_.width(); }
  int height() const { return surface_.height(); }

  int leftCol() const { return leftCol_; }
  int topRow() const { return topRow_; }
  // Whole tiles that fit in the client area.
  int visibleColCount() const;
  int visibleRowCount() const;
  int colCount() const { return kLakeCells; }
  int rowCount() const { return kLakeCells; }

  // Scrolls so that (col, row) is the first visible cell, clamped to the
  // grid (never beyond the last whole page). Repaints and reports the change
  // through onTopLeftChanged when anything moved. Returns true when it moved.
  bool scrollTo(int col, int row);

  // Repaints every visible tile from the grid (unless suppressed).
  void paintAll();
  // Draws the segment with the view's pen, exclusive-or: drawing the same
  // segment again restores every pixel exactly. Clipped to the surface.
  void xorLine(int x0, int y0, int x1, int y1);
  // Repaints one cell if it is visible.
  void paintCell(int col, int row);

  QImage& surface() { return surface_; }
  const QImage& surface() const { return surface_; }
  // The colour at a view pixel; black outside the surface.
  QRgb pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= surface_.width() || y >= surface_.height()) return 0xFF000000u;
    return reinterpret_cast<const QRgb*>(surface_.constScanLine(y))[x];
  }

  // The view's drawing pen; the cast line is drawn with it and erased by
  // drawing it again, which exclusive-or makes exact.
  struct Pen {
    int width = 1;
    QRgb colour = 0xFF000000u;
    bool exclusiveOr = false;
  } pen;

  // What the view paints from. Set once by the game.
  const CellGrid<std::uint8_t>* grid = nullptr;
  const Pictures* pictures = nullptr;
  // While true (a cast is out) cells are not repainted, so the exclusive-or
  // cast line is never painted over.
  std::function<bool()> suppressCellPaint;
  // While true (the line is out) the view never scrolls, by any path: the
  // line, the splash and the water test read the surface at view pixels.
  std::function<bool()> scrollLocked;
  // Called after the first visible column or row changed (LakeTopLeftChanged).
  std::function<void()> onTopLeftChanged;
  // Called with the view-relative rectangle that changed.
  std::function<void(int, int, int, int)> onChanged;

 private:
  void drawCell(QPainter& p, int col, int row);
  void paintEvery();

  QImage surface_{1, 1, QImage::Format_RGB32};
  int leftCol_ = 0;
  int topRow_ = 0;
};

}  // namespace lwk
