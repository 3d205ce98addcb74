#include "lake/LakeMap.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "shell/Files.h"
#include "shell/Game.h"
#include "tournament/Clock.h"

namespace lwk {

namespace {

constexpr QRgb kMagenta = 0xFFFF00FFu;

// The four map pixels of a tile: the average colour of each 16 x 16 quarter.
std::array<QRgb, 4> ShrinkTile(const QImage& tile) {
  std::array<QRgb, 4> out{};
  if (tile.isNull() || tile.width() < 32 || tile.height() < 32) {
    out.fill(0xFFFFFFFFu);
    return out;
  }
  const QImage t = tile.format() == QImage::Format_RGB32 ? tile : tile.convertToFormat(QImage::Format_RGB32);
  for (int q = 0; q < 4; ++q) {
    const int x0 = (q % 2) * 16;
    const int y0 = (q / 2) * 16;
    int r = 0, gr = 0, b = 0;
    for (int y = y0; y < y0 + 16; ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(t.constScanLine(y));
      for (int x = x0; x < x0 + 16; ++x) {
        r += qRed(line[x]);
        gr += qGreen(line[x]);
        b += qBlue(line[x]);
      }
    }
    out[static_cast<size_t>(q)] = qRgb(r / 256, gr / 256, b / 256);
  }
  return out;
}

void ChargeMinute(Game& g) {
  ChargeTime(g, kMapViewCost);
}

void MapChanged(Game& g) {
  if (g.lake.onLakeMapChanged) g.lake.onLakeMapChanged();
}

QImage BlankMap() {
  QImage img(kLakeMapSize, kLakeMapSize, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

}  // namespace

QImage BuildLakeMapImage(const CellGrid<std::uint8_t>& grid, const std::array<QImage, 256>& tiles) {
  std::array<std::array<QRgb, 4>, 256> small{};
  std::array<bool, 256> done{};
  QImage img(kLakeMapSize, kLakeMapSize, QImage::Format_RGB32);
  for (int row = 0; row < kLakeCells; ++row) {
    QRgb* top = reinterpret_cast<QRgb*>(img.scanLine(row * 2));
    QRgb* bottom = reinterpret_cast<QRgb*>(img.scanLine(row * 2 + 1));
    for (int col = 0; col < kLakeCells; ++col) {
      const std::uint8_t v = grid.at(col, row);
      if (!done[v]) {
        small[v] = ShrinkTile(tiles[v]);
        done[v] = true;
      }
      const std::array<QRgb, 4>& px = small[v];
      top[col * 2] = px[0];
      top[col * 2 + 1] = px[1];
      bottom[col * 2] = px[2];
      bottom[col * 2 + 1] = px[3];
    }
  }
  img.setPixel(0, 0, 0xFFFFFFFFu);
  return img;
}

void MapBtnClick(Game& g) {
  g.port.showWindow(WindowId::LakeMap);
  g.IdleSeconds = 0;
  g.port.processEvents();
}

void LakeMapFormShow(Game& g) {
  ChargeMinute(g);
  LakeState& lake = g.lake;
  if (!lake.LakeMapPath.empty() && FileExists(lake.LakeMapPath)) {
    QImage loaded(QString::fromStdString(lake.LakeMapPath));
    if (loaded.isNull())
      g.Message(BoxKind::Error, "Unable to load file " + lake.LakeMapPath);
    else
      lake.LakeMapImage = loaded.convertToFormat(QImage::Format_RGB32);
    lake.LakeMapCaption = "Map of " + lake.LakeName;
  } else {
    const Answer a =
        g.Message(BoxKind::Confirm, "No map of " + lake.LakeName + " is available.\r\rWould you like to create it?",
                  Buttons::OkCancel);
    if (a != Answer::Ok) {
      if (lake.LakeMapImage.isNull()) lake.LakeMapImage = BlankMap();
      QPainter p(&lake.LakeMapImage);
      p.setPen(Qt::black);
      const QFontMetrics fm(p.font());
      p.drawText(50, 50 + fm.ascent(), "NO MAP AVAILABLE");
      p.end();
      MapChanged(g);
      return;
    }
    BuildLakeMap(g);
  }
  DrawMapMarks(g);
}

void BuildLakeMap(Game& g) {
  LakeState& lake = g.lake;
  g.port.setBusyCursor(true);
  g.view.status[2] = "Please wait....creating map of " + lake.LakeName + "....";
  g.Changed();
  g.port.processEvents();
  lake.LakeMapImage = BuildLakeMapImage(lake.LakeGrid, g.pictures.TileBitmaps);
  g.port.setBusyCursor(false);
  lake.LakeMapCaption = "Map of " + lake.LakeName;
  g.view.status[2].clear();
  g.Changed();
  MapChanged(g);

  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const bool encoded = lake.LakeMapImage.save(&buffer, "BMP");
  const bool saved = encoded && !lake.LakeMapPath.empty() &&
                     WriteFileAtomically(lake.LakeMapPath, std::string_view(bytes.constData(), bytes.size()));
  if (!saved)
    g.Message(BoxKind::Error,
              "Unable to create map file on disk.\r\rThis may be caused by insufficient\rdisk space, running from a "
              "CDROM, or a\rdisk drive problem.");
}

void DrawMapMarks(Game& g) {
  LakeState& lake = g.lake;
  if (lake.LakeMapImage.isNull()) lake.LakeMapImage = BlankMap();
  const int wx = MapPoint(lake.WeighInCol);
  const int wy = MapPoint(lake.WeighInRow);
  const int bx = MapPoint(g.boat.BoatCol);
  const int by = MapPoint(g.boat.BoatRow);

  QPainter p(&lake.LakeMapImage);
  p.setPen(QPen(QColor::fromRgb(kMagenta), 2));
  p.drawLine(bx, by, bx + 2, by);
  lake.MapPrevBoatX = bx;
  lake.MapPrevBoatY = by;

  QFont bold = p.font();
  bold.setBold(true);
  p.setFont(bold);
  const QFontMetrics fm(bold);
  for (const CellPos& pump : lake.GasPumps) {
    if (pump.col == kNoCell) continue;
    p.setPen(QColor::fromRgb(kMagenta));
    p.drawText(MapPoint(pump.col), MapPoint(pump.row) + fm.ascent(), "G");
  }
  QFont plain = bold;
  plain.setBold(false);
  p.setFont(plain);
  const QFontMetrics pm(plain);
  const QRect box(wx, wy, pm.horizontalAdvance("W"), pm.height());
  p.fillRect(box, Qt::yellow);
  p.setPen(Qt::blue);
  p.drawText(wx, wy + pm.ascent(), "W");
  p.end();
  MapChanged(g);
}

void MapTrailStep(Game& g) {
  LakeState& lake = g.lake;
  if (lake.LakeMapImage.isNull()) return;
  QPainter p(&lake.LakeMapImage);
  p.setPen(QPen(QColor::fromRgb(kMagenta), 2));
  p.drawLine(lake.MapPrevBoatX, lake.MapPrevBoatY, lake.MapPrevBoatX + 2, lake.MapPrevBoatY);
  p.end();
  lake.MapPrevBoatX = MapPoint(g.boat.BoatCol);
  lake.MapPrevBoatY = MapPoint(g.boat.BoatRow);
  MapChanged(g);
}

}  // namespace lwk
