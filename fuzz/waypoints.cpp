// A waypoint file as any bytes: at most 100 waypoints of at most 30
// characters, which write back to bytes that read to the same waypoints.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzSupport.h"
#include "boat/Gps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<lwk::Waypoint> read;
  (void)lwk::DecodeWaypoints(lwk::fuzz::Bytes(data, size), read);
  if (read.size() > static_cast<size_t>(lwk::kWaypointSlots)) std::abort();
  lwk::GpsState gps;
  for (size_t i = 0; i < read.size(); ++i) {
    if (!read[i].used() || read[i].text.size() > static_cast<size_t>(lwk::kWaypointTextMax)) std::abort();
    gps.Waypoints[i + 1] = read[i];
  }
  std::vector<lwk::Waypoint> again;
  if (!lwk::DecodeWaypoints(lwk::EncodeWaypoints(gps), again) || again.size() != read.size()) std::abort();
  for (size_t i = 0; i < read.size(); ++i)
    if (again[i].col != read[i].col || again[i].row != read[i].row || again[i].text != read[i].text) std::abort();
  return 0;
}
