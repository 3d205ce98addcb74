// lwk-artgen: draws every picture and synthesizes every sound of the game
// from code, deterministically, and writes them into the game folder.

#include <cstdio>
#include <cstring>
#include <string>

#include "TilesDoc.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--tiles-md") == 0) {
      std::fputs(lwk::art::TilesMarkdown().c_str(), stdout);
      return 0;
    }
  }
  std::fprintf(stderr, "usage: lwk-artgen --tiles-md\n");
  return 2;
}
