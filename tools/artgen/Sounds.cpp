#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "Canvas.h"

namespace lwk::art {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double R = kSampleRate;

using Buf = std::vector<float>;

int Len(double seconds) {
  return static_cast<int>(std::lround(seconds * R));
}

double MidiHz(double note) {
  return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

void MixAt(Buf& dst, const Buf& src, double at, double gain = 1.0) {
  const int off = Len(at);
  if (dst.size() < static_cast<std::size_t>(off) + src.size())
    dst.resize(static_cast<std::size_t>(off) + src.size(), 0.f);
  for (std::size_t i = 0; i < src.size(); ++i)
    dst[static_cast<std::size_t>(off) + i] += static_cast<float>(src[i] * gain);
}

// RBJ biquad filters.
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

  static Biquad Make(const char* kind, double f, double q) {
    const double w = 2 * kPi * std::clamp(f, 10.0, R * 0.45) / R;
    const double cw = std::cos(w);
    const double alpha = std::sin(w) / (2 * q);
    double b0 = 0, b1 = 0, b2 = 0;
    const double a0 = 1 + alpha;
    const std::string k = kind;
    if (k == "lp") {
      b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
    } else if (k == "hp") {
      b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
    } else {  // band-pass, 0 dB peak
      b0 = alpha, b1 = 0, b2 = -alpha;
    }
    Biquad bq;
    bq.b0 = b0 / a0;
    bq.b1 = b1 / a0;
    bq.b2 = b2 / a0;
    bq.a1 = -2 * cw / a0;
    bq.a2 = (1 - alpha) / a0;
    return bq;
  }
  // Changes the coefficients and keeps the state (for sweeps).
  void Retune(const char* kind, double f, double q) {
    Biquad n = Make(kind, f, q);
    b0 = n.b0, b1 = n.b1, b2 = n.b2, a1 = n.a1, a2 = n.a2;
  }
  double operator()(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

Buf Filter(Buf b, const char* kind, double f, double q = 0.707) {
  Biquad bq = Biquad::Make(kind, f, q);
  for (auto& s : b) s = static_cast<float>(bq(s));
  return b;
}

Buf Noise(double seconds, Rng& rng) {
  Buf b(static_cast<std::size_t>(Len(seconds)));
  for (auto& s : b) s = static_cast<float>(rng.range(-1.0, 1.0));
  return b;
}

// Multiplies by an envelope given as a function of time in seconds.
void Shape(Buf& b, const std::function<double(double)>& env) {
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<float>(b[i] * env(i / R));
}

double AttackDecay(double t, double attack, double decay) {
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

// A tone from its harmonics, following a pitch curve (Hz over time).
Buf Tone(double seconds, const std::function<double(double)>& hz, const std::vector<double>& harmonics,
         double brightnessDecay = 0.0) {
  Buf b(static_cast<std::size_t>(Len(seconds)));
  double phase = 0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    const double t = i / R;
    const double f = hz(t);
    phase += 2 * kPi * f / R;
    double s = 0;
    for (std::size_t k = 0; k < harmonics.size(); ++k) {
      const double fk = f * (k + 1);
      if (fk > R * 0.45) break;
      s += harmonics[k] * std::exp(-brightnessDecay * k * t) * std::sin(phase * (k + 1));
    }
    b[i] = static_cast<float>(s);
  }
  return b;
}

// Band-limited sawtooth (sum of harmonics), the voice and brass source.
Buf Saw(double seconds, const std::function<double(double)>& hz, double maxHz = 5000) {
  Buf b(static_cast<std::size_t>(Len(seconds)));
  double phase = 0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    const double f = hz(i / R);
    phase += 2 * kPi * f / R;
    double s = 0;
    for (int k = 1; f * k < maxHz; ++k) s += std::sin(phase * k) / k;
    b[i] = static_cast<float>(s);
  }
  return b;
}

// Karplus-Strong plucked string.
Buf Pluck(double hz, double seconds, double decay, double brightness, Rng& rng) {
  const int n = std::max(2, static_cast<int>(std::lround(R / hz)));
  Buf line(static_cast<std::size_t>(n));
  double prev = 0;
  for (auto& s : line) {  // filtered noise burst: darker for lower brightness
    const double x = rng.range(-1.0, 1.0);
    prev = prev + brightness * (x - prev);
    s = static_cast<float>(prev);
  }
  Buf out(static_cast<std::size_t>(Len(seconds)));
  std::size_t idx = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::size_t nxt = (idx + 1) % line.size();
    const float v = line[idx];
    line[idx] = static_cast<float>(decay * 0.5 * (line[idx] + line[nxt]));
    out[i] = v;
    idx = nxt;
  }
  // soften the start a touch and fade the end
  Shape(out, [seconds](double t) { return std::min(1.0, t / 0.002) * std::min(1.0, (seconds - t) / 0.05); });
  return out;
}

Buf Strum(const std::vector<int>& notes, double seconds, double spread, double gain, bool up, Rng& rng) {
  Buf out;
  for (std::size_t k = 0; k < notes.size(); ++k) {
    const std::size_t i = up ? notes.size() - 1 - k : k;
    MixAt(out, Pluck(MidiHz(notes[i]), seconds, 0.996, 0.55, rng), k * spread, gain / std::sqrt(notes.size()));
  }
  return out;
}

// A harmonica-like reed voice with vibrato.
Buf Reed(double note, double seconds) {
  const double f0 = MidiHz(note);
  Buf b = Tone(seconds,
               [f0](double t) { return f0 * (1.0 + 0.006 * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.2)); },
               {1.0, 0.55, 0.6, 0.28, 0.3, 0.12, 0.14, 0.06});
  Shape(b, [seconds](double t) {
    const double a = std::min(1.0, t / 0.03);
    const double r = std::min(1.0, (seconds - t) / 0.06);
    return a * r * (0.85 + 0.15 * std::exp(-t / 0.1));
  });
  return b;
}

Buf Bass(double note, double seconds) {
  const double f0 = MidiHz(note);
  Buf b = Tone(
      seconds, [f0](double) { return f0; }, {1.0, 0.35, 0.12}, 2.0);
  Shape(b, [seconds](double t) { return AttackDecay(t, 0.008, 0.45) * std::min(1.0, (seconds - t) / 0.04); });
  return b;
}

Buf Kick(Rng&) {
  Buf b = Tone(0.22, [](double t) { return 48.0 + 70.0 * std::exp(-t / 0.03); }, {1.0, 0.2});
  Shape(b, [](double t) { return AttackDecay(t, 0.002, 0.07); });
  return b;
}

Buf Brush(double seconds, double gain, Rng& rng) {
  Buf b = Filter(Filter(Noise(seconds, rng), "hp", 2500), "lp", 9000);
  Shape(b, [seconds, gain](double t) { return gain * AttackDecay(t, 0.004, seconds * 0.35); });
  return b;
}

// A vowel from a voiced source through three formant resonators.
struct Formants {
  double f1, f2, f3;
};

Buf Voice(double seconds, const std::function<double(double)>& pitch, const std::function<Formants(double)>& formants,
          const std::function<double(double)>& env, Rng& rng) {
  Buf src = Saw(seconds, pitch, 4500);
  Buf breath = Noise(seconds, rng);
  Biquad f1, f2, f3;
  Buf out(src.size());
  for (std::size_t i = 0; i < src.size(); ++i) {
    const double t = i / R;
    if (i % 64 == 0) {
      const Formants f = formants(t);
      f1.Retune("bp", f.f1, 6);
      f2.Retune("bp", f.f2, 8);
      f3.Retune("bp", f.f3, 10);
    }
    const double x = src[i] + 0.08 * breath[i];
    out[i] = static_cast<float>((f1(x) * 1.0 + f2(x) * 0.55 + f3(x) * 0.25) * env(t));
  }
  return out;
}

// A two-stroke engine: one pressure pulse per firing at `firesHz(t)`,
// muffled, with some mechanical buzz.
Buf Engine(double seconds, const std::function<double(double)>& firesHz, const std::function<double(double)>& env,
           Rng& rng, double muffle = 900) {
  Buf out(static_cast<std::size_t>(Len(seconds)));
  double phase = 1.0;
  double pulse = 0;
  double pulseAge = 1.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = i / R;
    phase += firesHz(t) / R;
    if (phase >= 1.0) {
      phase -= 1.0;
      pulse = 0.7 + 0.3 * rng.uniform();
      pulseAge = 0;
    }
    pulseAge += 1.0 / R;
    const double p =
        pulse * std::exp(-pulseAge / 0.012) * (std::sin(2 * kPi * 70 * pulseAge) + 0.6 * rng.range(-1.0, 1.0));
    out[i] = static_cast<float>(p * env(t));
  }
  out = Filter(out, "lp", muffle, 0.9);
  return out;
}

// The electric starter: a whine rising and falling with each compression.
Buf Starter(double seconds, Rng& rng) {
  Buf whine =
      Tone(seconds, [](double t) { return 190.0 + 25.0 * std::sin(2 * kPi * 5.5 * t); }, {0.6, 0.5, 0.4, 0.3, 0.2});
  Buf grind = Filter(Noise(seconds, rng), "bp", 1400, 1.5);
  Buf out(whine.size());
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = i / R;
    const double comp = 0.55 + 0.45 * std::pow(std::fabs(std::sin(kPi * 5.5 * t)), 3.0);
    const double edge = std::min(1.0, t / 0.05) * std::min(1.0, (seconds - t) / 0.06);
    out[i] = static_cast<float>((whine[i] * 0.5 + grind[i] * 0.6) * comp * edge);
  }
  return out;
}

Buf Bubble(double from, double to, double seconds) {
  Buf b = Tone(seconds, [=](double t) { return from * std::pow(to / from, t / seconds); }, {1.0});
  Shape(b, [seconds](double t) { return std::sin(kPi * std::min(1.0, t / seconds)); });
  return b;
}

Buf SplashNoise(double seconds, double cutoff, Rng& rng) {
  Buf b = Filter(Filter(Noise(seconds, rng), "lp", cutoff, 0.8), "hp", 250);
  Shape(b, [seconds](double t) { return AttackDecay(t, 0.006, seconds * 0.28); });
  return b;
}

// Loudness. Every effect is brought to one RMS level, so a siren is no louder
// than a splash; the looping theme sits a little under the effects. No peak
// goes above -1 dBFS: a sound whose few loud peaks would pass it (a pluck's
// attack, a splash's crack) has them rounded off by a soft limiter, by at
// most kMostLimitingDb; a sound needing more than that stays a little quieter.
constexpr double kEffectRmsDb = -16.0;
constexpr double kThemeRmsDb = -18.5;
constexpr double kPeakCeiling = 0.89;  // -1 dBFS
constexpr double kLimiterKnee = 0.6;   // samples below this pass untouched
constexpr double kMostLimitingDb = 3.0;

double DbToGain(double db) {
  return std::pow(10.0, db / 20.0);
}

double Limit(double v) {
  const double a = std::fabs(v);
  if (a <= kLimiterKnee) return v;
  const double room = kPeakCeiling - kLimiterKnee;
  return std::copysign(kLimiterKnee + room * std::tanh((a - kLimiterKnee) / room), v);
}

double LimitedRms(const Buf& b, double gain) {
  double sum = 0;
  for (float s : b) {
    const double v = Limit(s * gain);
    sum += v * v;
  }
  return b.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(b.size()));
}

// Fades the ends against clicks, brings the sound to its RMS level with the
// peaks held under -1 dBFS, and quantizes.
std::vector<std::int16_t> Finish(Buf b, double rmsDb, bool fadeEnds = true) {
  const std::size_t fade = fadeEnds ? static_cast<std::size_t>(Len(0.004)) : 0;
  for (std::size_t i = 0; i < fade && i < b.size(); ++i) {
    const float k = static_cast<float>(i) / static_cast<float>(fade);
    b[i] *= k;
    b[b.size() - 1 - i] *= k;
  }
  float peak = 0;
  for (float s : b) peak = std::max(peak, std::fabs(s));
  double gain = 0;
  if (peak > 0) {
    const double mostGain = kPeakCeiling / peak * DbToGain(kMostLimitingDb);
    gain = mostGain;
    const double wanted = DbToGain(rmsDb);
    // The limiter takes a little off the RMS it touches: a few steps settle it.
    for (int step = 0; step < 6; ++step) {
      const double rms = LimitedRms(b, gain);
      if (rms <= 0) break;
      gain = std::min(mostGain, gain * wanted / rms);
    }
  }
  std::vector<std::int16_t> out(b.size());
  for (std::size_t i = 0; i < b.size(); ++i)
    out[i] = static_cast<std::int16_t>(std::lround(std::clamp(Limit(b[i] * gain), -1.0, 1.0) * 32767.0));
  return out;
}

// --- Music ---------------------------------------------------------------

constexpr double kBpm = 120.0;
constexpr double kBeat = 60.0 / kBpm;
constexpr double kEighth = kBeat / 2;

const std::vector<int> kChordG = {43, 47, 50, 55, 59, 67};
const std::vector<int> kChordC = {48, 52, 55, 60, 64};
const std::vector<int> kChordD = {50, 57, 62, 66};
const std::vector<int> kChordD7 = {50, 57, 60, 66};

struct Bar {
  const std::vector<int>* first;   // chord of beats 1-2
  const std::vector<int>* second;  // chord of beats 3-4
  int root1, fifth1, root2, fifth2;
};

void Accompany(Buf& mix, double start, const Bar& bar, Rng& rng) {
  MixAt(mix, Bass(bar.root1, kBeat * 0.95), start, 0.55);
  MixAt(mix, Strum(*bar.first, 1.0, 0.012, 0.45, false, rng), start + kBeat);
  MixAt(mix, Bass(bar.fifth2 ? bar.fifth2 : bar.fifth1, kBeat * 0.95), start + 2 * kBeat, 0.5);
  MixAt(mix, Strum(*bar.second, 0.9, 0.012, 0.45, false, rng), start + 3 * kBeat);
  MixAt(mix, Strum(*bar.second, 0.5, 0.008, 0.22, true, rng), start + 3.5 * kBeat);
  MixAt(mix, Kick(rng), start, 0.5);
  MixAt(mix, Kick(rng), start + 2 * kBeat, 0.4);
  for (int e = 0; e < 8; ++e) {
    const bool back = e == 2 || e == 6;
    MixAt(mix, Brush(back ? 0.16 : 0.06, back ? 0.32 : 0.12, rng), start + e * kEighth);
  }
}

struct Note {
  int midi;  // 0 = rest
  int eighths;
};

void Melody(Buf& mix, double start, const std::vector<Note>& notes, double gain) {
  double t = start;
  for (const Note& n : notes) {
    const double len = n.eighths * kEighth;
    if (n.midi) MixAt(mix, Reed(n.midi, len * 0.95), t, gain);
    t += len;
  }
}

Buf Theme(Rng& rng) {
  // 12 bars in G: G G C G | D D G G | C C G-D G
  const Bar bars[12] = {
      {&kChordG, &kChordG, 43, 50, 0, 50}, {&kChordG, &kChordG, 43, 50, 0, 47}, {&kChordC, &kChordC, 48, 55, 0, 43},
      {&kChordG, &kChordG, 43, 50, 0, 50}, {&kChordD, &kChordD, 50, 45, 0, 45}, {&kChordD, &kChordD7, 50, 45, 0, 45},
      {&kChordG, &kChordG, 43, 50, 0, 50}, {&kChordG, &kChordG, 43, 50, 0, 47}, {&kChordC, &kChordC, 48, 55, 0, 43},
      {&kChordC, &kChordC, 48, 55, 0, 52}, {&kChordG, &kChordD, 43, 50, 0, 50}, {&kChordG, &kChordG, 43, 50, 0, 50},
  };
  const std::vector<Note> tune = {
      {62, 1}, {67, 1}, {71, 2}, {69, 1}, {67, 1}, {71, 2},  // 1
      {74, 3}, {71, 1}, {67, 2}, {69, 2},                    // 2
      {72, 2}, {76, 2}, {74, 1}, {72, 1}, {69, 2},           // 3
      {71, 3}, {69, 1}, {67, 4},                             // 4
      {69, 2}, {66, 1}, {69, 1}, {74, 2}, {72, 1}, {69, 1},  // 5
      {71, 2}, {69, 2}, {66, 2}, {62, 2},                    // 6
      {67, 1}, {69, 1}, {71, 2}, {74, 2}, {71, 2},           // 7
      {69, 3}, {67, 1}, {64, 2}, {62, 2},                    // 8
      {64, 1}, {67, 1}, {72, 2}, {76, 2}, {72, 2},           // 9
      {74, 2}, {72, 1}, {71, 1}, {69, 4},                    // 10
      {71, 2}, {67, 2}, {69, 2}, {66, 2},                    // 11
      {67, 6}, {0, 2},                                       // 12
  };
  const double barLen = 4 * kBeat;
  const double total = 12 * barLen;
  Buf mix;
  for (int b = 0; b < 12; ++b) {
    Bar bar = bars[b];
    if (!bar.fifth2) bar.fifth2 = bar.fifth1;
    Accompany(mix, b * barLen, bar, rng);
  }
  Melody(mix, 0, tune, 0.32);
  // Wrap the tails that ring past the end onto the start, so the loop is seamless.
  const std::size_t n = static_cast<std::size_t>(Len(total));
  for (std::size_t i = n; i < mix.size(); ++i) mix[i - n] += mix[i];
  mix.resize(n);
  return mix;
}

Buf Ending(Rng& rng) {
  Buf mix;
  const double barLen = 4 * kBeat;
  Accompany(mix, 0, {&kChordC, &kChordD7, 48, 55, 50, 45}, rng);
  MixAt(mix, Strum(kChordG, 3.0, 0.03, 0.6, false, rng), barLen);
  MixAt(mix, Bass(43, 2.5), barLen, 0.6);
  MixAt(mix, Kick(rng), barLen, 0.5);
  Melody(mix, 0, {{72, 2}, {71, 2}, {69, 2}, {66, 2}, {67, 8}}, 0.34);
  MixAt(mix, Reed(79, 1.6), barLen + kBeat, 0.12);
  Shape(mix, [&](double t) { return std::min(1.0, (mix.size() / R - t) / 1.2); });
  return mix;
}

// --- Effects --------------------------------------------------------------

Buf CastWhoosh(Rng& rng) {
  const double len = 0.55;
  Buf n = Noise(len, rng);
  Biquad bp;
  Buf out(n.size());
  for (std::size_t i = 0; i < n.size(); ++i) {
    const double t = i / R;
    if (i % 32 == 0) bp.Retune("bp", 2600 * std::exp(-t * 3.2) + 350, 2.2);
    const double env = std::sin(kPi * std::pow(t / len, 0.6));
    out[i] = static_cast<float>(bp(n[i]) * env);
  }
  // the reel's line paying out: a fast, faint ticking
  for (double t = 0.08; t < 0.45; t += 0.018) MixAt(out, Filter(Noise(0.004, rng), "bp", 3000, 2.0), t, 0.12);
  return out;
}

Buf Plop(Rng& rng) {
  Buf out = Bubble(380, 1100, 0.07);
  MixAt(out, SplashNoise(0.18, 2600, rng), 0.0, 0.35);
  MixAt(out, Bubble(700, 1500, 0.035), 0.09, 0.3);
  MixAt(out, Bubble(900, 1700, 0.03), 0.15, 0.18);
  return out;
}

Buf FishSplash(Rng& rng, double size) {
  Buf out = SplashNoise(0.35 + 0.2 * size, 2000 + 2500 * size, rng);
  Shape(out, [](double t) { return 1.0 + 0.6 * std::exp(-t / 0.02); });
  MixAt(out, Filter(SplashNoise(0.2, 6000, rng), "hp", 1500), 0.05 + 0.05 * size, 0.4);
  for (int i = 0; i < 4 + static_cast<int>(size * 4); ++i)
    MixAt(out, Bubble(rng.range(600, 1000), rng.range(1200, 2200), rng.range(0.02, 0.04)), rng.range(0.08, 0.45), 0.18);
  return out;
}

Buf OutboardStart(Rng& rng) {
  Buf out = Starter(0.75, rng);
  // it catches: a few uneven firings, a rev, then a steady idle
  Buf eng = Engine(
      2.3,
      [](double t) {
        if (t < 0.25) return 9.0 + 20.0 * t;
        if (t < 0.9) return 14.0 + 26.0 * std::sin(kPi * (t - 0.25) / 1.3);
        return 17.0 + 3.0 * std::exp(-(t - 0.9) / 0.3);
      },
      [](double t) { return std::min(1.0, t / 0.05) * (t < 0.9 ? 1.0 : 0.75) * std::min(1.0, (2.3 - t) / 0.4); }, rng,
      850);
  MixAt(out, eng, 0.68, 1.4);
  return out;
}

Buf NoStart(Rng& rng, bool sputter) {
  Buf out = Starter(sputter ? 0.9 : 1.2, rng);
  if (!sputter) {
    MixAt(out, Starter(0.5, rng), 1.35, 0.8);  // a second, weaker try
    Shape(out, [](double t) { return t < 1.35 ? 1.0 : 0.85 * std::exp(-(t - 1.35) / 0.6); });
    return out;
  }
  Buf eng = Engine(
      0.9, [](double t) { return 11.0 - 8.0 * t; },
      [](double t) { return (std::sin(kPi * 7 * t) > 0.2 ? 1.0 : 0.25) * std::exp(-t / 0.35); }, rng, 700);
  MixAt(out, eng, 0.8, 1.3);
  return out;
}

Buf Siren() {
  const double len = 2.1;
  Buf b = Tone(len,
               [](double t) {
                 const double cyc = std::fmod(t, 0.7) / 0.7;
                 return 650.0 + 700.0 * (cyc < 0.6 ? cyc / 0.6 : 1.0 - (cyc - 0.6) / 0.4);
               },
               {1.0, 0.0, 0.3, 0.0, 0.12, 0.0, 0.05});
  Shape(b, [len](double t) { return std::min(1.0, t / 0.05) * std::min(1.0, (len - t) / 0.25); });
  return Filter(b, "lp", 3500);
}

Buf Crash(Rng& rng) {
  Buf out = Tone(0.5, [](double t) { return 45.0 + 60.0 * std::exp(-t / 0.05); }, {1.0, 0.3});
  Shape(out, [](double t) { return AttackDecay(t, 0.003, 0.12); });
  Buf crunch = Filter(Noise(0.7, rng), "bp", 1200, 0.8);
  for (std::size_t i = 0; i < crunch.size(); ++i) {  // crackling breakup
    const double t = i / R;
    const double crack = (rng.uniform() < 0.02) ? 2.5 : 1.0;
    crunch[i] = static_cast<float>(crunch[i] * crack * AttackDecay(t, 0.002, 0.16));
  }
  MixAt(out, crunch, 0.005, 0.9);
  MixAt(out, Filter(SplashNoise(0.5, 3000, rng), "lp", 2500), 0.03, 0.5);
  Buf dying = Engine(
      0.8, [](double t) { return 16.0 - 13.0 * t; }, [](double t) { return std::exp(-t / 0.25); }, rng, 800);
  MixAt(out, dying, 0.25, 0.7);
  return out;
}

Buf Thump(Rng& rng) {
  Buf out = Tone(0.32, [](double t) { return 70.0 + 40.0 * std::exp(-t / 0.03); }, {1.0, 0.4, 0.15});
  Shape(out, [](double t) { return AttackDecay(t, 0.003, 0.07); });
  MixAt(out, Filter(Noise(0.08, rng), "lp", 900), 0.0, 0.4);
  return out;
}

Buf StrikeChord(Rng& rng) {
  // D major, strummed hard
  return Strum({50, 57, 62, 66, 69, 74}, 1.3, 0.018, 1.0, false, rng);
}

Buf UhOh(Rng& rng) {
  const double len = 0.75;
  return Voice(
      len, [](double t) { return t < 0.26 ? 235.0 - 20.0 * t : 185.0 - 70.0 * (t - 0.26); },
      [](double t) {
        return t < 0.26 ? Formants{700, 1220, 2600} : Formants{470 + 80 * std::exp(-(t - 0.26) / 0.05), 840, 2500};
      },
      [](double t) {
        if (t < 0.26) return std::min(1.0, t / 0.02) * std::clamp((0.25 - t) / 0.03, 0.0, 1.0);
        if (t < 0.32) return 0.0;  // the catch between the syllables
        return std::min(1.0, (t - 0.32) / 0.02) * std::min(1.0, (0.75 - t) / 0.15);
      },
      rng);
}

Buf Aww(Rng& rng) {
  const double len = 1.0;
  return Voice(
      len, [](double t) { return 250.0 * std::pow(0.58, t) * (1.0 + 0.01 * std::sin(2 * kPi * 6 * t)); },
      [](double t) {
        return Formants{760 - 120 * t, 1150 - 250 * t, 2500};
      },
      [len](double t) { return std::min(1.0, t / 0.06) * std::min(1.0, (len - t) / 0.3); }, rng);
}

Buf SnagHit(Rng& rng) {
  Buf out = Tone(0.06, [](double) { return 880.0; }, {1.0, 0.5, 0.3});
  Shape(out, [](double t) { return AttackDecay(t, 0.001, 0.012); });
  MixAt(out, Filter(Noise(0.02, rng), "hp", 2000), 0.0, 0.6);
  MixAt(out, Thump(rng), 0.0, 0.5);
  MixAt(out, Pluck(98, 0.45, 0.99, 0.9, rng), 0.01, 0.5);  // the rod and line twang
  return out;
}

Buf SlideLick(Rng& rng) {
  // slide guitar: pluck, glide up, vibrato, glide down
  struct Seg {
    double at, from, to, glide;
  };
  const Seg segs[] = {{0.0, 62, 64, 0.12}, {0.45, 64, 67, 0.1}, {0.9, 69, 67, 0.08}, {1.3, 67, 64, 0.25}};
  Buf out;
  for (const Seg& s : segs) {
    const double len = 1.0;
    Buf t = Tone(
        len,
        [s](double tt) {
          const double g = std::min(1.0, tt / s.glide);
          const double note = s.from + (s.to - s.from) * g;
          return MidiHz(note) * (1.0 + 0.008 * std::sin(2 * kPi * 6 * tt) * std::min(1.0, tt / 0.3));
        },
        {1.0, 0.6, 0.45, 0.3, 0.22, 0.15, 0.1}, 6.0);
    Shape(t, [len](double tt) { return AttackDecay(tt, 0.004, 0.5) * std::min(1.0, (len - tt) / 0.1); });
    MixAt(out, t, s.at, 0.6);
    MixAt(out, Filter(Noise(0.03, rng), "hp", 3000), s.at, 0.1);
  }
  return out;
}

Buf SadTrombone() {
  const double notes[] = {58, 57, 56, 55};
  const double lens[] = {0.42, 0.42, 0.42, 1.25};
  Buf out;
  double at = 0;
  for (int i = 0; i < 4; ++i) {
    const double len = lens[i];
    const double f0 = MidiHz(notes[i] - 12);
    const bool last = i == 3;
    Buf b = Saw(len, [f0, last](double t) {
      const double vib = last ? 0.03 * std::sin(2 * kPi * 5.0 * t) * std::min(1.0, t / 0.3) : 0.0;
      return f0 * (1.0 + vib);
    });
    Biquad lp;
    for (std::size_t k = 0; k < b.size(); ++k) {  // the mute's "wah"
      const double t = k / R;
      if (k % 32 == 0) lp.Retune("lp", 500 + 1400 * std::sin(kPi * std::min(1.0, t / (len * 0.9))), 1.4);
      b[k] = static_cast<float>(lp(b[k]));
    }
    Shape(b, [len](double t) { return std::min(1.0, t / 0.03) * std::min(1.0, (len - t) / 0.08); });
    MixAt(out, b, at);
    at += len;
  }
  return out;
}

Buf LoonCall(Rng&) {
  // a loon's wail across the lake: a rising, falling cry with a tremolo end
  const double len = 2.6;
  Buf b = Tone(len,
               [](double t) {
                 if (t < 0.9) return 620.0 + 330.0 * std::sin(kPi * 0.5 * t / 0.9);
                 if (t < 1.6) return 950.0 - 60.0 * (t - 0.9);
                 return 908.0 - 288.0 * (t - 1.6);
               },
               {1.0, 0.22, 0.08});
  Shape(b, [len](double t) {
    const double depth = std::clamp((t - 1.5) / 0.3, 0.0, 1.0) * 0.4;  // the tremolo fades in
    const double trem = 1.0 - depth * (0.5 - 0.5 * std::cos(2 * kPi * 9 * (t - 1.5)));
    return std::min(1.0, t / 0.15) * std::min(1.0, (len - t) / 0.5) * trem;
  });
  // distance: a soft echo off the far shore
  Buf out = b;
  MixAt(out, Filter(b, "lp", 1500), 0.28, 0.25);
  return out;
}

}  // namespace

std::vector<Sound> SynthesizeSounds() {
  std::vector<Sound> out;
  auto add = [&](const char* name, Buf b) { out.push_back({name, Finish(std::move(b), kEffectRmsDb)}); };
  Rng rng(20240611);
  // The theme loops: its ends join without a fade.
  out.push_back({"theme.wav", Finish(Theme(rng), kThemeRmsDb, false)});
  add("ending.wav", Ending(rng));
  add("George2.wav", LoonCall(rng));
  add("MYWSH1.WAV", CastWhoosh(rng));
  add("MYPLOP.WAV", Plop(rng));
  add("Start1f.wav", OutboardStart(rng));
  add("NoStart1.wav", NoStart(rng, false));
  add("NoStart2.wav", NoStart(rng, true));
  add("MYSIREN.WAV", Siren());
  add("C4.WAV", Crash(rng));
  add("Thump.WAV", Thump(rng));
  add("DCHORD.WAV", StrikeChord(rng));
  add("uhoh1.wav", UhOh(rng));
  add("HIT1.wav", SnagHit(rng));
  add("aw.wav", Aww(rng));
  add("MYSPL1.WAV", FishSplash(rng, 1.0));
  add("MYSPL2.WAV", FishSplash(rng, 0.4));
  add("BNECK1.WAV", SlideLick(rng));
  add("ANDTHEN.WAV", SadTrombone());
  return out;
}

std::string WavBytes(const Sound& s) {
  std::string b;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [&](std::uint16_t v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8));
  };
  const std::uint32_t data = static_cast<std::uint32_t>(s.samples.size() * 2);
  b += "RIFF";
  u32(36 + data);
  b += "WAVE";
  b += "fmt ";
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kSampleRate);
  u32(kSampleRate * 2);
  u16(2);
  u16(16);
  b += "data";
  u32(data);
  for (std::int16_t v : s.samples) u16(static_cast<std::uint16_t>(v));
  return b;
}

}  // namespace lwk::art
