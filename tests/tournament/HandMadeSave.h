#pragma once
// A saved game made byte by byte from the file's offset table, without the
// game's writer: for the file format's tests and the game's own load.

#include <bit>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tournament/SavedGame.h"

namespace lwk {

// A saved game made byte by byte from the file's offset table, without the
// writer under test. Bytes the file leaves without meaning (alignment, the
// reserved byte, text after its characters) are filled with junk and
// remembered, so a re-encode can be compared with the rest.
struct HandMadeSave {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kSavedGameSize, 0);
  std::set<int> junk;

  void i32(int at, std::int32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> (8 * i)));
  }
  void u8(int at, std::uint8_t v) { bytes[at] = v; }
  void f64(int at, double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i) bytes[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  void raw(int at, std::initializer_list<std::uint8_t> b) { std::copy(b.begin(), b.end(), bytes.begin() + at); }
  void text(int at, int fieldSize, std::string_view s) {
    bytes[at] = static_cast<std::uint8_t>(s.size());
    std::memcpy(&bytes[at + 1], s.data(), s.size());
    fill(at + 1 + static_cast<int>(s.size()), fieldSize - 1 - static_cast<int>(s.size()));
  }
  void fill(int at, int n) {
    for (int i = 0; i < n; ++i) {
      bytes[at + i] = 0xA5;
      junk.insert(at + i);
    }
  }
  // The bytes a writer should produce: the same, with every junk byte 0.
  std::vector<std::uint8_t> meaningful() const {
    auto b = bytes;
    for (int at : junk) b[at] = 0;
    return b;
  }

  HandMadeSave() {
    i32(0, 12345);  // DayTimeLeft
    i32(4, 320);    // BoatX
    i32(8, -16);    // BoatY
    i32(12, 327);
    i32(16, -15);
    i32(20, 7);  // BoatHeading
    i32(24, 327);
    i32(28, -3);
    i32(32, 20);  // ThrottleSetting
    i32(36, 99);  // the unread throttle at program start
    i32(40, 0);   // TrollSpeed after the outboard was chosen
    i32(44, 100);
    i32(48, 200);
    u8(52, 1);  // FishOn
    fill(53, 1);
    raw(54, {0x87, 0, 0, 0, 0, 0x48});  // FuelLevel 100
    raw(60, {0x87, 0, 0, 0, 0, 0x16});  // TrollBatteryCharge 75
    raw(66, {0, 0, 0, 0, 0, 0});        // MainBatteryCharge 0
    u8(72, 1);
    u8(73, 0);
    fill(74, 2);
    i32(76, 10);
    i32(80, 20);
    i32(84, 21);  // first visible row
    i32(88, -1);  // first visible column, raised to 0 by the load
    u8(92, 0);
    u8(93, 0);
    u8(94, 1);
    text(95, 66, "Lac \xE9t\xE9 \x80");  // Windows-1252 é and the euro sign
    text(161, 66, "");
    text(227, 66, std::string(65, 'p'));
    const std::uint8_t cells[] = {199, 0, 198, 1, 197, 2, 150, 151};
    for (int i = 0; i < 8; ++i) u8(293 + i, cells[i]);
    u8(301, 1);  // AeratorOn
    fill(302, 2);
    const double weights[] = {5.25, 3.5, 2.0, 0.0, 0.0};
    const std::uint8_t species[] = {0, 2, 1, 255, 255};
    for (int i = 0; i < 5; ++i) {
      f64(304 + 12 * i, weights[i]);
      u8(312 + 12 * i, species[i]);
      u8(313 + 12 * i, i == 1 ? 0 : 1);
      fill(314 + 12 * i, 2);
    }
    i32(364, 3);  // LiveWellCount
    for (int r = 0; r < 16; ++r) {
      const int at = 368 + 16 * r;
      const bool rigged = r == 4 || r == 15;
      i32(at, rigged ? (r == 4 ? 4 : 6) : -1);
      i32(at + 4, rigged ? (r == 4 ? 53 : 14) : -1);
      i32(at + 8, rigged ? (r == 4 ? 29 : 10) : -1);
      u8(at + 12, 1);
      fill(at + 13, 3);
    }
    u8(624, 4);   // CurrentRod
    u8(625, 4);   // CurrentDrawer: plastic worms
    u8(626, 53);  // the last of its 54 baits
    u8(627, 29);  // the last of its 30 colours
    u8(628, 3);   // Professional
    u8(629, 4);   // Stop And Go
    u8(630, 1);
    u8(631, 0);
    u8(632, 1);
    u8(633, 63);
    u8(634, 37);
    fill(635, 1);
    i32(636, 101);
    i32(640, 102);
    u8(644, 11);  // FormulaCastsLeft
    u8(645, 1);
    u8(646, 0);
    u8(647, 1);
    u8(648, 1);
    fill(649, 3);
    i32(652, 77);  // CastCount
    i32(656, 2);   // CitationCount
    u8(660, 2);    // StuckMode: hit in reverse
    fill(661, 1);  // reserved
    u8(662, 5);    // StrikingSlot
    u8(663, 1);
    u8(664, 1);
    u8(665, 2);  // TournamentDay: day 3
    fill(666, 2);
    f64(668, 10.75);  // LiveWellTotal
    f64(676, 153.5);  // DayExpenses
    f64(684, 12.5);
    f64(692, 0.0);
    f64(700, 9.75);
    for (int k = 0; k < 41; ++k) {
      const int at = 708 + 48 * k;
      text(at, 21, k == 40 ? std::string(20, 'Z') : "Angler " + std::to_string(k));
      fill(at + 21, 3);
      for (int d = 0; d < 3; ++d) f64(at + 24 + 8 * d, k + d / 4.0);
    }
    for (int d = 0; d < 3; ++d) {
      const int at = 2676 + 32 * d;
      f64(at, 3.0 + d);
      text(at + 8, 21, "Lunker " + std::to_string(d + 1));
      if (d < 2) fill(at + 29, 3);
    }
    text(2769, 21, "Jo M\xFCller");  // ü
    fill(2790, 2);
    i32(2792, 4000);  // AeratorTicks
    i32(2796, 6000);  // LiveWellTicks
    u8(2800, 1);
    fill(2801, 3);
    for (int i = 0; i < 7; ++i) i32(2804 + 4 * i, 10 + i);
    raw(2832, {40, 40, 0, 1, 0, 0});   // day 1 at the low ends
    raw(2838, {90, 83, 3, 30, 7, 2});  // day 2 at the high ends
    raw(2844, {71, 66, 2, 12, 5, 1});
    fill(2850, 2);
  }
};

}  // namespace lwk
