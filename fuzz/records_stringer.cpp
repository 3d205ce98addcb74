// BigStr.btp as any bytes: the reader never reads past the data or a field,
// and what it read survives a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tournament/RecordsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  lwk::BigStringerTable table;
  const lwk::DecodeResult res = lwk::DecodeBigStringerRecords(bytes, table);
  if (res.records > lwk::kRecordsKept) std::abort();
  for (const auto& r : table) (void)lwk::WeightValue(r.Weight);
  lwk::SortBigStringerRecords(table);
  const std::string again = lwk::EncodeBigStringerRecords(table);
  if (again.size() != lwk::kBigStringerRecordSize * lwk::kRecordsKept) std::abort();
  lwk::BigStringerTable reread;
  if (!lwk::DecodeBigStringerRecords(again, reread).complete || !(reread == table)) std::abort();
  return 0;
}
