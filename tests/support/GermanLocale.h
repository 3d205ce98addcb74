#pragma once
// Puts the C library under a German locale (decimal comma) for one test, as
// Qt does on a German desktop, and restores the old locale afterwards.

#include <clocale>
#include <string>

namespace lwk {

class GermanLocale {
 public:
  GermanLocale() {
    if (const char* old = std::setlocale(LC_ALL, nullptr)) old_ = old;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
      if (std::setlocale(LC_ALL, name)) {
        active_ = true;
        break;
      }
  }
  ~GermanLocale() { std::setlocale(LC_ALL, old_.c_str()); }
  GermanLocale(const GermanLocale&) = delete;
  GermanLocale& operator=(const GermanLocale&) = delete;

  // False when the machine has no German locale (scripts/install-deps.sh
  // generates it); the test must then skip.
  bool active() const { return active_; }
  static constexpr const char* kSkipReason =
      "the de_DE.UTF-8 locale is not installed (scripts/install-deps.sh generates it)";

 private:
  std::string old_ = "C";
  bool active_ = false;
};

}  // namespace lwk
