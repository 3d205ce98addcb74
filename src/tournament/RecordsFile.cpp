#include "tournament/RecordsFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "shell/Text1252.h"

namespace lwk {

namespace {

// One string field of a record: where it lies and how long it may be.
template <class Record>
struct Field {
  std::string Record::*member;
  std::size_t offset;
  std::size_t maxLen;  // the field is 1 + maxLen bytes
};

// The layouts, field by field as they lie in the file.
constexpr Field<BigFishRecord> kBigFishLayout[] = {
    {&BigFishRecord::Angler, 0, 20}, {&BigFishRecord::Date, 21, 10},     {&BigFishRecord::Weight, 32, 5},
    {&BigFishRecord::Lake, 38, 65},  {&BigFishRecord::Species, 104, 20},
};
constexpr Field<BigStringerRecord> kBigStringerLayout[] = {
    {&BigStringerRecord::Angler, 0, 20}, {&BigStringerRecord::Skill, 21, 14}, {&BigStringerRecord::Date, 36, 10},
    {&BigStringerRecord::Weight, 47, 6}, {&BigStringerRecord::Lake, 54, 30},
};

// Each layout is gapless and fills its record exactly.
template <class Record, std::size_t N>
constexpr bool Fills(const Field<Record> (&layout)[N], std::size_t size) {
  std::size_t at = 0;
  for (const auto& f : layout) {
    if (f.offset != at) return false;
    at += 1 + f.maxLen;
  }
  return at == size;
}
static_assert(Fills(kBigFishLayout, kBigFishRecordSize));
static_assert(Fills(kBigStringerLayout, kBigStringerRecordSize));

template <class Record, std::size_t N>
void EncodeRecord(const Record& r, const Field<Record> (&layout)[N], std::size_t size, std::string& out) {
  const std::size_t start = out.size();
  out.append(size, '\0');
  for (const auto& f : layout) {
    const std::string bytes = ToWindows1252(r.*f.member, f.maxLen);
    out[start + f.offset] = static_cast<char>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(start + f.offset + 1));
  }
}

template <class Record, std::size_t N>
Record DecodeRecord(std::string_view rec, const Field<Record> (&layout)[N]) {
  Record r;
  for (const auto& f : layout) {
    const std::size_t len = std::min<std::size_t>(static_cast<unsigned char>(rec[f.offset]), f.maxLen);
    r.*f.member = FromWindows1252(rec.substr(f.offset + 1, len));
  }
  return r;
}

template <class Record, std::size_t N>
std::string EncodeTable(const std::array<Record, kRecordsKept>& table, const Field<Record> (&layout)[N],
                        std::size_t size) {
  std::string out;
  out.reserve(size * kRecordsKept);
  for (const Record& r : table) EncodeRecord(r, layout, size, out);
  return out;
}

template <class Record, std::size_t N>
DecodeResult DecodeTable(std::string_view bytes, std::array<Record, kRecordsKept>& table,
                         const Field<Record> (&layout)[N], std::size_t size) {
  DecodeResult res;
  std::size_t at = 0;
  while (res.records < kRecordsKept && at < bytes.size()) {
    if (bytes.size() - at < size) {
      res.complete = false;
      break;
    }
    table[res.records++] = DecodeRecord(bytes.substr(at, size), layout);
    at += size;
  }
  return res;
}

template <class Table>
void SortByWeight(Table& table) {
  for (std::size_t i = 0; i < table.size(); ++i)
    for (std::size_t j = 0; j < table.size(); ++j) {
      const auto wi = WeightValue(table[i].Weight);
      const auto wj = WeightValue(table[j].Weight);
      if (wi && wj && *wi > *wj) std::swap(table[i], table[j]);
    }
}

}  // namespace

std::string EncodeBigFishRecords(const BigFishTable& table) {
  return EncodeTable(table, kBigFishLayout, kBigFishRecordSize);
}

std::string EncodeBigStringerRecords(const BigStringerTable& table) {
  return EncodeTable(table, kBigStringerLayout, kBigStringerRecordSize);
}

DecodeResult DecodeBigFishRecords(std::string_view bytes, BigFishTable& table) {
  return DecodeTable(bytes, table, kBigFishLayout, kBigFishRecordSize);
}

DecodeResult DecodeBigStringerRecords(std::string_view bytes, BigStringerTable& table) {
  return DecodeTable(bytes, table, kBigStringerLayout, kBigStringerRecordSize);
}

std::optional<double> WeightValue(std::string_view text) {
  // Surrounding spaces are allowed, nothing else around the number.
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

void SortBigFishRecords(BigFishTable& table) {
  SortByWeight(table);
}

void SortBigStringerRecords(BigStringerTable& table) {
  SortByWeight(table);
}

}  // namespace lwk
