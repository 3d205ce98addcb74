#include "TilesDoc.h"

#include <sstream>

#include "TileCatalogue.h"

namespace lwk::art {

namespace {

using namespace lwk::tiles;

const char* KindName(TileKind k) {
  switch (k) {
    case TileKind::OpenWater:
      return "open water";
    case TileKind::WaterVariant:
      return "water";
    case TileKind::Shore:
      return "shore";
    case TileKind::ShoreFeature:
      return "shore+feature";
    case TileKind::LilyPads:
      return "lily pads";
    case TileKind::WeedBed:
      return "weed bed";
    case TileKind::Obstacle:
      return "obstacle";
    case TileKind::NoWakeBuoy:
      return "no-wake buoy";
    case TileKind::BuoyLine:
      return "buoy line";
    case TileKind::MooredBoat:
      return "moored boat";
    case TileKind::MarinaDock:
      return "marina dock";
    case TileKind::Bridge:
      return "bridge";
    case TileKind::Spare:
      return "spare";
    case TileKind::Land:
      return "land";
    case TileKind::Road:
      return "road";
    case TileKind::Building:
      return "building";
    case TileKind::BoatRamp:
      return "boat ramp";
    case TileKind::GasPump:
      return "gas pump";
    case TileKind::EdgeMarker:
      return "edge marker";
    case TileKind::WeighInFlag:
      return "weigh-in flag";
  }
  return "?";
}

std::string Bits(std::uint8_t m) {
  static const std::pair<std::uint8_t, const char*> names[] = {{kN, "N"},   {kE, "E"},   {kS, "S"},   {kW, "W"},
                                                               {kNE, "NE"}, {kSE, "SE"}, {kSW, "SW"}, {kNW, "NW"}};
  std::string out;
  for (auto [bit, name] : names) {
    if (!(m & bit)) continue;
    if (!out.empty()) out += " ";
    out += name;
  }
  return out;
}

bool IsShoreKind(TileKind k) {
  return k == TileKind::Shore || k == TileKind::ShoreFeature;
}

}  // namespace

std::string TilesMarkdown() {
  std::ostringstream o;
  o << R"(# Lake tiles

The 256 lake tile pictures `IM0.BMP` ... `IM255.BMP` (32 x 32 pixels, seen
from above) are drawn by `lwk-artgen` (tools/artgen). This page says what each
value draws, so that a lake can be composed whose pieces join. The table at the
end is printed by `lwk-artgen --tiles-md` from the catalogue in
`tools/artgen/TileCatalogue.h` (namespace `lwk::tiles`: `kTiles`, `Tile(v)`,
`CanonicalLandMask`, `ShoreTileFor`, `WaterSides`); a test checks that this
file and the catalogue agree, so change the catalogue and reprint, never the
table by hand.

## Neighbour bits

A cell's eight neighbours are the bits `N`=1, `E`=2, `S`=4, `W`=8, `NE`=16,
`SE`=32, `SW`=64, `NW`=128. A shore piece is a *water* cell; its "land"
column lists the neighbour cells that its picture expects to be land (any
tile of 150 and above, or the lake's edge). The mask is canonical: a diagonal
neighbour is listed only where both side neighbours next to it are water (a
diagonal beside a land side changes nothing in the picture).

## Composing a lake

1. Decide for every cell whether it is land or water. Keep the water region
   at least one cell wide everywhere (a water cell with land on all four sides
   has the pond piece 50, but it looks like a puddle).
2. For each water cell take the land mask of its eight neighbours,
   `CanonicalLandMask(mask)`, and `ShoreTileFor(mask)`: 0 for open water,
   else the plain shore piece. Every one of the 47 canonical masks (open water
   and 46 shore shapes) has exactly one plain shore piece.
3. For variety a plain piece may be swapped for a "shore+feature" piece of the
   same land mask (weeds 44-49, lily pads 52-55, docks 30-33, rocky shore
   140-143, fallen trees 15 and 20, boat-ramp foot 35).
4. Pieces of the kinds water, lily pads, weed bed, obstacle, no-wake buoy,
   buoy line, moored boat and marina dock have open water at all four edges:
   place them only where all eight neighbours are water (or pieces that are
   water at the shared edge). Buoy lines and marina walkways continue into the
   neighbours named in "runs on".
5. Land cells take any land, road, building or other tile of 150 and above.
   Every land tile shows grass along its edges, except where a road, path,
   bridge deck or building runs on (the "runs on" sides), the parking lots
   179-181 and concrete pad 198, which are paved to their edges, and the
   forests 154, 155, 253 and 254, whose tree crowns run over their edges and
   continue in the next forest cell of the same value. Any land tile may
   therefore sit beside any other, and roads join where their "runs on" sides
   meet.
6. The last row and column of a lake are overwritten by the game with the
   edge markers 253 and 254 (thick forest).

Fixed geometry, for pieces that must meet:

- Bank: a shore piece's bank (grass verge, then sand or stones, then the
  waterline) reaches at most 11 pixels from a land side; from 14 pixels on
  it is water. Grass at the land side matches the grass of the land tiles.
- Road and path surface: x (or y) 10..21 of the tile, centred.
- Bridge deck: x (or y) 8..23, centred; the bridge ends 79, 160, 161, 162 carry
  the bank of a shore piece on their land side, so a road meets the deck.
- Dock piers 30-33 and marina walkways 80-85, 89: x (or y) 12..19,
  centred, so a walkway continues a pier; finger piers stay inside their
  piece.
- Boat ramp: 182 (land) sits directly north of 35 (water, land north).
- Marina building: 187 188 over 189 190 (a 2 x 2 block).
- Gas pump 163 must have a water cell the boat can reach directly north,
  south, east or west of it; the weigh-in flag 255 must appear exactly once.

## Water colours

The game decides pixel by pixel whether the boat floats by colour: it builds
its water colour table from every pixel of tiles 0, 21, 22, 26, 27, 28, 29,
86, 91, 102, 115, 147, 148 and of the top-left 19 x 17 pixels of tile 88 (at
most 60 colours). These tiles and that area are therefore drawn with water and
floating-plant colours only (no bank, no object): lily pads and weeds are
floating plants and count as water, so the boat drives over them.

- Every pixel where the boat can float, in every tile, uses only those
  colours.
- No pixel of land, bank, dock, rock, buoy, rope, moored boat, reed, stump,
  bridge deck or building uses one of them, nor does any sprite (boat, canoe,
  jet ski, splash).
- Tiles 150-255 never use a water colour, except the bridge ends 160, 161,
  162: they are drawn over water like 77-79 and show water colours beside the
  deck (the game lets the boat pass under every bridge piece whatever the
  colour, and treats 160-162 as land for depth and casting).
- Spare values (listed as spare) draw open water but are not open water to
  the game (tile 0 is): canoes and jet skis turn away from them. Do not use
  them.

## Catalogue

| value | kind | land (shore pieces, bridge ends) | water sides | runs on | picture |
|---:|---|---|---|---|---|
)";
  for (int v = 0; v < 256; ++v) {
    const TileInfo& t = Tile(v);
    const bool shore = IsShoreKind(t.kind);
    o << "| " << v << " | " << KindName(t.kind) << " | " << ((shore || t.kind == TileKind::Bridge) ? Bits(t.land) : "")
      << " | " << (shore ? Bits(WaterSides(t)) : "") << " | " << Bits(t.links) << " | " << t.name
      << (t.inWaterColourTable ? " (water colour table)" : "") << " |\n";
  }
  return o.str();
}

}  // namespace lwk::art
