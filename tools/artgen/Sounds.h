#pragma once
// Every sound of the game, synthesized from code (plucked strings, reed
// lead, engine pulses, filtered noise, a small formant voice) at 22050 Hz,
// 16-bit mono, normalised below full scale.

#include <cstdint>
#include <string>
#include <vector>

namespace lwk::art {

inline constexpr int kSampleRate = 22050;

struct Sound {
  std::string name;  // the file name as the game plays it ("theme.wav", "MYWSH1.WAV")
  std::vector<std::int16_t> samples;
};

std::vector<Sound> SynthesizeSounds();

// The sound as a WAV file: RIFF, PCM, 16-bit, mono, kSampleRate.
std::string WavBytes(const Sound& s);

}  // namespace lwk::art
