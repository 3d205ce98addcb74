// LWKHELP.HLP as any bytes: every topic, and a topic the file does not have,
// turns into a page.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "shell/HelpText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QList<lwk::HelpTopic> topics =
      lwk::ParseHelp(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  for (const lwk::HelpTopic& t : topics)
    if (lwk::HelpTopicHtml(topics, t.number).isEmpty()) std::abort();
  if (lwk::HelpTopicHtml(topics, -1).isEmpty() != topics.isEmpty()) std::abort();
  return 0;
}
