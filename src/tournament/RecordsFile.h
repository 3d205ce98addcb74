#pragma once
// The two all-time top-ten files of the game folder: BigFish.btp (the ten
// biggest bass ever landed) and BigStr.btp (the ten best three-day totals).
// Each file is its records one after the other, no header. Every field is a
// length-prefixed Windows-1252 string: one length byte, then the characters,
// in a field of 1 + the field's maximum length; numbers are stored as text.
// Pure functions only (no file access, no Qt), so the readers can be fuzzed.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lwk {

constexpr std::size_t kRecordsKept = 10;
constexpr const char* kEmptyRecordWeight = "0.0";

// One landed fish (125 bytes on disk). Texts are UTF-8 in memory.
struct BigFishRecord {
  std::string Angler;                       // at most 20 characters
  std::string Date;                         // at most 10
  std::string Weight = kEmptyRecordWeight;  // at most 5, e.g. "4.25"
  std::string Lake;                         // at most 65
  std::string Species;                      // at most 20: "Largemouth", "Smallmouth", "Spotted"
  bool operator==(const BigFishRecord&) const = default;
};

// One three-day tournament total (85 bytes on disk).
struct BigStringerRecord {
  std::string Angler;                       // at most 20 characters
  std::string Skill;                        // at most 14: the play level's name
  std::string Date;                         // at most 10
  std::string Weight = kEmptyRecordWeight;  // at most 6
  std::string Lake;                         // at most 30
  bool operator==(const BigStringerRecord&) const = default;
};

using BigFishTable = std::array<BigFishRecord, kRecordsKept>;
using BigStringerTable = std::array<BigStringerRecord, kRecordsKept>;

constexpr std::size_t kBigFishRecordSize = 125;
constexpr std::size_t kBigStringerRecordSize = 85;

// The ten records, 1250 and 850 bytes; the bytes after each string's
// characters are zeros. Texts longer than their field are cut.
std::string EncodeBigFishRecords(const BigFishTable& table);
std::string EncodeBigStringerRecords(const BigStringerTable& table);

// Reads the records in file order into `table` (which the caller has set to
// empty records), at most ten; records after the tenth are ignored. A length
// byte above its field's maximum reads as that maximum.
struct DecodeResult {
  std::size_t records = 0;  // whole records read into the table
  bool complete = true;     // false: the bytes end inside a record
};
DecodeResult DecodeBigFishRecords(std::string_view bytes, BigFishTable& table);
DecodeResult DecodeBigStringerRecords(std::string_view bytes, BigStringerTable& table);

// The number a weight text stands for ("4.25", "11.07", "0.0"), read with "."
// whatever the locale; nullopt when it is not a finite number.
std::optional<double> WeightValue(std::string_view text);

// Heaviest first: for i = 0..9, for j = 0..9, records i and j swap when i is
// heavier. A pair whose weight texts are not both numbers stays as it is.
void SortBigFishRecords(BigFishTable& table);
void SortBigStringerRecords(BigStringerTable& table);

}  // namespace lwk
