#pragma once
// What each of the 256 lake tile values draws, in the terms a lake builder
// needs: its kind, which neighbouring cells the picture expects to be land
// (for shoreline pieces), and on which sides a road, path, bridge deck or
// building carries on into the next cell. lwk-artgen draws every tile from
// this table, and TILES.md is printed from it (lwk-artgen --tiles-md).
//
// Header only and constexpr, so other code (the lake generator, tests) can
// include it without linking the art tool.

#include <array>
#include <cstdint>

namespace lwk::tiles {

// Neighbour bits of a cell: the four sides, then the four diagonals.
inline constexpr std::uint8_t kN = 1;
inline constexpr std::uint8_t kE = 2;
inline constexpr std::uint8_t kS = 4;
inline constexpr std::uint8_t kW = 8;
inline constexpr std::uint8_t kNE = 16;
inline constexpr std::uint8_t kSE = 32;
inline constexpr std::uint8_t kSW = 64;
inline constexpr std::uint8_t kNW = 128;
inline constexpr std::uint8_t kAllSides = kN | kE | kS | kW;

enum class TileKind : std::uint8_t {
  OpenWater,     // plain water, the boat floats everywhere
  WaterVariant,  // water only (another shade, floating plants), boat floats everywhere
  Shore,         // water cell with a bank towards the land neighbours in `land`
  ShoreFeature,  // a Shore piece with something extra (weeds, pads, dock, ramp, rocks, fallen tree)
  LilyPads,      // floating pads in open water (boat floats over them)
  WeedBed,       // floating / submerged weeds in open water (boat floats over them)
  Obstacle,      // open water with something solid in it (rocks, stumps, reeds, wreck, island)
  NoWakeBuoy,    // the no-wake buoy, value 56
  BuoyLine,      // a line of floats on a rope; `links` = sides the line continues to
  MooredBoat,    // a boat moored in open water
  MarinaDock,    // floating marina walkways; `links` = sides the walkway continues to
  Bridge,        // deck over water; `links` = sides the deck continues to, `land` = bank side of an end piece
  Spare,         // unused value; draws open water, do not place it in a lake
  Land,          // grass, trees, sand and other open land
  Road,          // road or path; `links` = sides the road continues to
  Building,      // houses and shops; `links` = sides the same building continues to
  BoatRamp,      // concrete ramp down to the water; `links` = side the road comes from
  GasPump,       // value 163
  EdgeMarker,    // 253 and 254, written by the lake loader along the last row and column
  WeighInFlag,   // value 255
};

struct TileInfo {
  TileKind kind = TileKind::Spare;
  // Shore pieces: the neighbour cells (bits above) that the picture expects
  // to be land, in canonical form (a diagonal bit only where both sides next
  // to it are water). Bridge ends: the bank side. 0 otherwise.
  std::uint8_t land = 0;
  // Roads, paths, bridges, buoy lines, walkways, buildings: the sides (kN,
  // kE, kS, kW) where the drawing runs on into the neighbour cell.
  std::uint8_t links = 0;
  // One of the tiles the game scans to build its table of water colours:
  // every pixel of it is water or floating plants.
  bool inWaterColourTable = false;
  const char* name = "";
};

// A land mask reduced to what a shore picture depends on: a diagonal
// neighbour matters only where both side neighbours next to it are water.
constexpr std::uint8_t CanonicalLandMask(std::uint8_t m) {
  std::uint8_t out = m & kAllSides;
  if ((m & kNE) && !(m & (kN | kE))) out |= kNE;
  if ((m & kSE) && !(m & (kS | kE))) out |= kSE;
  if ((m & kSW) && !(m & (kS | kW))) out |= kSW;
  if ((m & kNW) && !(m & (kN | kW))) out |= kNW;
  return out;
}

// Sides of a shore piece that face water.
constexpr std::uint8_t WaterSides(const TileInfo& t) {
  return static_cast<std::uint8_t>(~t.land & kAllSides);
}

namespace detail {

struct Builder {
  std::array<TileInfo, 256> t{};

  constexpr void set(int v, TileKind k, const char* name, std::uint8_t land = 0, std::uint8_t links = 0) {
    t[static_cast<std::size_t>(v)] = TileInfo{k, land, links, false, name};
  }
};

constexpr std::array<TileInfo, 256> Build() {
  using K = TileKind;
  Builder b;
  for (int v = 0; v < 150; ++v) b.set(v, K::Spare, "unused (draws open water)");
  for (int v = 150; v < 256; ++v) b.set(v, K::Land, "grass (spare)");

  b.set(0, K::OpenWater, "open water");

  // Plain shoreline: a water cell with a bank towards its land neighbours.
  b.set(1, K::Shore, "shore: land north", kN);
  b.set(2, K::Shore, "shore: land east", kE);
  b.set(3, K::Shore, "shore: land south", kS);
  b.set(4, K::Shore, "shore: land west", kW);
  b.set(5, K::Shore, "shore corner: land north and west", kN | kW);
  b.set(6, K::Shore, "shore corner: land north and east", kN | kE);
  b.set(7, K::Shore, "shore corner: land south and east", kS | kE);
  b.set(8, K::Shore, "shore corner: land south and west", kS | kW);
  b.set(9, K::Shore, "point of land: north-west diagonal", kNW);
  b.set(10, K::Shore, "point of land: north-east diagonal", kNE);
  b.set(11, K::Shore, "point of land: south-east diagonal", kSE);
  b.set(12, K::Shore, "point of land: south-west diagonal", kSW);
  b.set(13, K::Shore, "channel: land north and south", kN | kS);
  b.set(14, K::Shore, "channel: land east and west", kE | kW);
  b.set(15, K::ShoreFeature, "shore, land north, fallen tree in the water", kN);
  b.set(16, K::Shore, "cove head: land north, east and west", kN | kE | kW);
  b.set(17, K::Shore, "cove head: land north, east and south", kN | kE | kS);
  b.set(18, K::Shore, "cove head: land east, south and west", kE | kS | kW);
  b.set(19, K::Shore, "cove head: land north, south and west", kN | kS | kW);
  b.set(20, K::ShoreFeature, "shore, land south, fallen tree in the water", kS);

  b.set(21, K::LilyPads, "lily pads, cluster");
  b.set(22, K::LilyPads, "lily pads, scattered");
  b.set(23, K::LilyPads, "lily pads with flowers");
  b.set(24, K::LilyPads, "lily pads, dense");
  b.set(25, K::LilyPads, "lily pads, two clusters with flowers");
  b.set(26, K::WeedBed, "weed bed");
  b.set(27, K::WeedBed, "weed bed, patchy");
  b.set(28, K::WeedBed, "weed bed, dense");
  b.set(29, K::WeedBed, "weed bed with milfoil tips");

  b.set(30, K::ShoreFeature, "dock: land north, wooden pier running south", kN);
  b.set(31, K::ShoreFeature, "dock: land east, wooden pier running west", kE);
  b.set(32, K::ShoreFeature, "dock: land south, wooden pier running north", kS);
  b.set(33, K::ShoreFeature, "dock: land west, wooden pier running east", kW);
  b.set(34, K::Obstacle, "rock pile in the water");
  b.set(35, K::ShoreFeature, "boat ramp foot: land north (put ramp 182 above it)", kN);

  b.set(36, K::Shore, "shore: land north, point of land south-east", kN | kSE);
  b.set(37, K::Shore, "shore: land north, point of land south-west", kN | kSW);
  b.set(38, K::Shore, "shore: land east, point of land south-west", kE | kSW);
  b.set(39, K::Shore, "shore: land east, point of land north-west", kE | kNW);
  b.set(40, K::Shore, "shore: land south, point of land north-west", kS | kNW);
  b.set(41, K::Shore, "shore: land south, point of land north-east", kS | kNE);
  b.set(42, K::Shore, "shore: land west, point of land north-east", kW | kNE);
  b.set(43, K::Shore, "shore: land west, point of land south-east", kW | kSE);

  b.set(44, K::ShoreFeature, "weedy shore: land north", kN);
  b.set(45, K::ShoreFeature, "weedy shore: land east", kE);
  b.set(46, K::ShoreFeature, "weedy shore: land south", kS);
  b.set(47, K::ShoreFeature, "weedy shore: land west", kW);
  b.set(48, K::ShoreFeature, "weedy shore corner: land north and west", kN | kW);
  b.set(49, K::ShoreFeature, "weedy shore corner: land south and east", kS | kE);
  b.set(50, K::Shore, "pond cell: land on all four sides", kAllSides);

  b.set(52, K::ShoreFeature, "lily pads along the shore: land north", kN);
  b.set(53, K::ShoreFeature, "lily pads along the shore: land east", kE);
  b.set(54, K::ShoreFeature, "lily pads along the shore: land south", kS);
  b.set(55, K::ShoreFeature, "lily pads along the shore: land west", kW);

  b.set(56, K::NoWakeBuoy, "no-wake buoy");
  b.set(57, K::BuoyLine, "buoy line east-west", 0, kE | kW);
  b.set(58, K::BuoyLine, "buoy line north-south", 0, kN | kS);
  b.set(59, K::BuoyLine, "buoy line, west end (runs on east)", 0, kE);
  b.set(60, K::BuoyLine, "buoy line, east end (runs on west)", 0, kW);
  b.set(61, K::BuoyLine, "buoy line, north end (runs on south)", 0, kS);
  b.set(62, K::BuoyLine, "buoy line, south end (runs on north)", 0, kN);
  b.set(63, K::Obstacle, "brush pile / fallen tree top in open water");
  b.set(64, K::MooredBoat, "moored bass boat");
  b.set(65, K::MooredBoat, "moored rowboat");
  b.set(66, K::MooredBoat, "moored pontoon boat");
  b.set(67, K::MooredBoat, "moored sailboat");
  b.set(68, K::Obstacle, "mooring ball");
  b.set(69, K::Obstacle, "channel markers (green can, red nun)");
  b.set(70, K::Obstacle, "old stump");
  b.set(71, K::Obstacle, "boulder");
  b.set(72, K::Obstacle, "rock cluster");
  b.set(73, K::Obstacle, "flat rock ledge");
  b.set(74, K::Obstacle, "rocky reef line");
  b.set(75, K::Obstacle, "stump field");
  b.set(76, K::Obstacle, "standing dead tree");

  b.set(77, K::Bridge, "bridge span north-south over water", 0, kN | kS);
  b.set(78, K::Bridge, "bridge span east-west over water", 0, kE | kW);
  b.set(79, K::Bridge, "bridge end north-south, bank to the north", kN, kN | kS);

  b.set(80, K::MarinaDock, "marina walkway east-west", 0, kE | kW);
  b.set(81, K::MarinaDock, "marina walkway north-south", 0, kN | kS);
  b.set(82, K::MarinaDock, "marina walkway east-west, finger piers south", 0, kE | kW);
  b.set(83, K::MarinaDock, "marina walkway east-west, finger piers north", 0, kE | kW);
  b.set(84, K::MarinaDock, "marina walkway north-south, finger piers east", 0, kN | kS);
  b.set(85, K::MarinaDock, "marina walkway north-south, finger piers west", 0, kN | kS);
  b.set(86, K::WaterVariant, "deep water, darker");
  b.set(87, K::Obstacle, "pilings");
  b.set(88, K::Obstacle, "pilings in the south-east quarter (the rest is open water)");
  b.set(89, K::MarinaDock, "marina walkway east-west with a boat in its slip south", 0, kE | kW);
  b.set(90, K::Obstacle, "floating swim platform");
  b.set(91, K::WaterVariant, "open water with sun glints");
  b.set(92, K::Obstacle, "floating log");
  b.set(93, K::Obstacle, "sunken brush, tips showing");
  b.set(94, K::Obstacle, "beaver lodge");
  b.set(95, K::Obstacle, "tiny island with a tree");

  b.set(96, K::Shore, "shore: land north, points of land south-east and south-west", kN | kSE | kSW);
  b.set(97, K::Shore, "shore: land east, points of land south-west and north-west", kE | kSW | kNW);
  b.set(98, K::Shore, "shore: land south, points of land north-west and north-east", kS | kNW | kNE);
  b.set(99, K::Shore, "shore: land west, points of land north-east and south-east", kW | kNE | kSE);
  b.set(100, K::Shore, "shore corner: land north and west, point of land south-east", kN | kW | kSE);
  b.set(101, K::Shore, "shore corner: land north and east, point of land south-west", kN | kE | kSW);
  b.set(102, K::WaterVariant, "shallow water, lighter");
  b.set(103, K::Shore, "shore corner: land south and east, point of land north-west", kS | kE | kNW);
  b.set(104, K::Shore, "shore corner: land south and west, point of land north-east", kS | kW | kNE);
  b.set(105, K::Shore, "points of land north-west and north-east", kNW | kNE);
  b.set(106, K::Shore, "points of land north-east and south-east", kNE | kSE);
  b.set(107, K::Shore, "points of land south-east and south-west", kSE | kSW);

  b.set(108, K::Obstacle, "reed clump");
  b.set(109, K::Obstacle, "cattails");
  b.set(110, K::Obstacle, "stump");
  b.set(111, K::Obstacle, "two stumps");
  b.set(112, K::Obstacle, "standing timber");
  b.set(113, K::Obstacle, "sunken log, one end showing");
  b.set(114, K::Obstacle, "brush pile");
  b.set(115, K::WaterVariant, "submerged weeds (seen through the water)");
  b.set(116, K::Obstacle, "rushes");
  b.set(117, K::Obstacle, "rushes, sparse");
  b.set(119, K::Obstacle, "flooded bush");
  b.set(120, K::Obstacle, "stick-ups");
  b.set(121, K::Shore, "points of land south-west and north-west", kSW | kNW);
  b.set(122, K::Shore, "points of land north-west and south-east", kNW | kSE);
  b.set(123, K::Shore, "points of land north-east and south-west", kNE | kSW);
  b.set(124, K::Shore, "points of land on all four diagonals", kNW | kNE | kSE | kSW);
  b.set(125, K::Obstacle, "reed bed");
  b.set(126, K::Obstacle, "reeds with lily pads");
  b.set(127, K::Shore, "points of land north-west, north-east and south-east", kNW | kNE | kSE);
  b.set(128, K::Shore, "points of land north-east, south-east and south-west", kNE | kSE | kSW);
  b.set(129, K::Shore, "points of land south-east, south-west and north-west", kSE | kSW | kNW);
  b.set(130, K::Shore, "points of land south-west, north-west and north-east", kSW | kNW | kNE);

  b.set(140, K::ShoreFeature, "rocky shore: land north", kN);
  b.set(141, K::ShoreFeature, "rocky shore: land east", kE);
  b.set(142, K::ShoreFeature, "rocky shore: land south", kS);
  b.set(143, K::ShoreFeature, "rocky shore: land west", kW);
  b.set(147, K::WaterVariant, "water with floating leaves");
  b.set(148, K::WaterVariant, "water with duckweed");
  b.set(149, K::Obstacle, "sunken rowboat wreck");

  b.set(150, K::Land, "grass");
  b.set(151, K::Land, "grass with wild flowers");
  b.set(152, K::Land, "grass with stones");
  b.set(153, K::Land, "meadow, tall grass");
  b.set(154, K::Land, "forest, broadleaf");
  b.set(155, K::Land, "forest, pines");
  b.set(156, K::Land, "single tree");
  b.set(157, K::Land, "two trees");
  b.set(158, K::Land, "bushes");
  b.set(159, K::Land, "sandy ground");
  b.set(160, K::Bridge, "bridge end north-south, bank to the south", kS, kN | kS);
  b.set(161, K::Bridge, "bridge end east-west, bank to the west", kW, kE | kW);
  b.set(162, K::Bridge, "bridge end east-west, bank to the east", kE, kE | kW);
  b.set(163, K::GasPump, "gas pump");
  b.set(164, K::Road, "road east-west", 0, kE | kW);
  b.set(165, K::Road, "road north-south", 0, kN | kS);
  b.set(166, K::Road, "road bend north-east", 0, kN | kE);
  b.set(167, K::Road, "road bend east-south", 0, kE | kS);
  b.set(168, K::Road, "road bend south-west", 0, kS | kW);
  b.set(169, K::Road, "road bend west-north", 0, kW | kN);
  b.set(170, K::Road, "road T: north, east, west", 0, kN | kE | kW);
  b.set(171, K::Road, "road T: east, south, west", 0, kE | kS | kW);
  b.set(172, K::Road, "road T: north, east, south", 0, kN | kE | kS);
  b.set(173, K::Road, "road T: north, south, west", 0, kN | kS | kW);
  b.set(174, K::Road, "crossroads", 0, kAllSides);
  b.set(175, K::Road, "road end, runs on north", 0, kN);
  b.set(176, K::Road, "road end, runs on east", 0, kE);
  b.set(177, K::Road, "road end, runs on south", 0, kS);
  b.set(178, K::Road, "road end, runs on west", 0, kW);
  b.set(179, K::Land, "parking lot");
  b.set(180, K::Land, "parking lot with a car");
  b.set(181, K::Land, "parking lot with truck and boat trailer");
  b.set(182, K::BoatRamp, "boat ramp: road from the north, water to the south (put 35 below it)", 0, kN);
  b.set(183, K::Building, "house, red roof");
  b.set(184, K::Building, "house, grey roof");
  b.set(185, K::Building, "house, brown roof");
  b.set(186, K::Building, "log cabin");
  b.set(187, K::Building, "marina building, north-west quarter", 0, kE | kS);
  b.set(188, K::Building, "marina building, north-east quarter", 0, kW | kS);
  b.set(189, K::Building, "marina building, south-west quarter", 0, kN | kE);
  b.set(190, K::Building, "marina building, south-east quarter", 0, kN | kW);
  b.set(191, K::Building, "bait and tackle shop");
  b.set(192, K::Land, "picnic table");
  b.set(193, K::Land, "campsite tent");
  b.set(194, K::Land, "sand beach");
  b.set(195, K::Land, "rock outcrop");
  b.set(196, K::Road, "dirt path east-west", 0, kE | kW);
  b.set(197, K::Road, "dirt path north-south", 0, kN | kS);
  b.set(198, K::Land, "concrete pad");
  b.set(199, K::Land, "pine tree");
  b.set(253, K::EdgeMarker, "last-row marker: thick forest");
  b.set(254, K::EdgeMarker, "last-column marker: thick forest");
  b.set(255, K::WeighInFlag, "weigh-in flag and stage");

  for (int v : {0, 21, 22, 26, 27, 28, 29, 86, 88, 91, 102, 115, 147, 148})
    b.t[static_cast<std::size_t>(v)].inWaterColourTable = true;
  return b.t;
}

}  // namespace detail

inline constexpr std::array<TileInfo, 256> kTiles = detail::Build();

constexpr const TileInfo& Tile(int value) {
  return kTiles[static_cast<std::size_t>(value & 255)];
}

// The plain shoreline value (kind Shore) drawn for a water cell whose land
// neighbours are `landMask` (any form; it is made canonical first); -1 when
// there is none (only a mask of 0 = open water, value 0, is then left out:
// ShoreTileFor(0) returns 0).
constexpr int ShoreTileFor(std::uint8_t landMask) {
  const std::uint8_t m = CanonicalLandMask(landMask);
  if (m == 0) return 0;
  for (int v = 0; v < 256; ++v)
    if (kTiles[static_cast<std::size_t>(v)].kind == TileKind::Shore && kTiles[static_cast<std::size_t>(v)].land == m)
      return v;
  return -1;
}

// Tiles whose every pixel (or, for tile 88, the top-left 19 x 17 pixels) the
// game reads into its water colour table.
constexpr bool InWaterColourTable(int value) {
  return Tile(value).inWaterColourTable;
}

}  // namespace lwk::tiles
