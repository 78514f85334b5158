#include "Compositions.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "NoteSynth.h"

namespace DemoSongs {

namespace {

using MediaGen::PcmAudio;

struct Chord {
  int root;  // MIDI note
  bool minor;
  int Third() const { return root + (minor ? 3 : 4); }
  int Fifth() const { return root + 7; }
};

struct MelodyNote {
  int note;  // MIDI note, 0 for a rest
  double beats;
};

PcmAudio EmptyStereo() {
  PcmAudio mix;
  mix.sampleRate = 44100;
  mix.channels = 2;
  return mix;
}

void AddMelody(PcmAudio& mix, const std::vector<MelodyNote>& melody, double beatSeconds,
               double gain, double pan, const Timbre& timbre) {
  double beat = 0.0;
  for (const MelodyNote& note : melody) {
    if (note.note > 0) {
      AddNote(mix, beat * beatSeconds, note.beats * beatSeconds * 0.9, note.note, gain, pan, timbre);
    }
    beat += note.beats;
  }
}

void AddTriad(PcmAudio& mix, double start, double seconds, const Chord& chord, double gain,
              const Timbre& timbre) {
  AddNote(mix, start, seconds, chord.root, gain, -0.3, timbre);
  AddNote(mix, start, seconds, chord.Third(), gain, 0.0, timbre);
  AddNote(mix, start, seconds, chord.Fifth(), gain, 0.3, timbre);
}

// Fades the last `seconds` out and scales the whole piece to a comfortable peak.
PcmAudio Finish(PcmAudio mix, double seconds) {
  const int64_t frames = mix.Frames();
  const auto fade = int64_t(seconds * mix.sampleRate);
  for (int64_t i = std::max<int64_t>(0, frames - fade); i < frames; ++i) {
    const auto gain = float(double(frames - i) / double(fade));
    mix.samples[size_t(i * 2)] *= gain;
    mix.samples[size_t(i * 2 + 1)] *= gain;
  }
  Normalize(mix, 0.8);
  return mix;
}

}  // namespace

PcmAudio MorningLight() {
  const double beat = 60.0 / 100.0;
  const Chord chords[] = {{60, false}, {57, true}, {53, false}, {55, false}};
  const Timbre pad{{1.0, 0.3, 0.1, 0.0}, 0.35, 4.0, 0.6};
  const Timbre bass{{1.0, 0.5, 0.1, 0.0}, 0.01, 0.8, 0.1};
  const Timbre bell{{1.0, 0.4, 0.2, 0.1}, 0.01, 0.8, 0.25};
  PcmAudio mix = EmptyStereo();
  for (int bar = 0; bar < 8; ++bar) {
    const Chord& chord = chords[bar % 4];
    const double start = bar * 4 * beat;
    AddTriad(mix, start, 4 * beat, chord, 0.10, pad);
    AddNote(mix, start, 1.8 * beat, chord.root - 12, 0.25, 0.0, bass);
    AddNote(mix, start + 2 * beat, 1.8 * beat, chord.root - 12, 0.22, 0.0, bass);
  }
  AddMelody(mix,
            {{76, 1}, {79, 1}, {77, 0.5}, {76, 0.5}, {72, 1},   // C
             {72, 1}, {76, 1}, {74, 0.5}, {72, 0.5}, {69, 1},   // Am
             {69, 1}, {72, 1}, {77, 1}, {76, 0.5}, {74, 0.5},   // F
             {74, 2}, {71, 1}, {67, 1},                         // G
             {76, 0.5}, {77, 0.5}, {79, 1}, {84, 1}, {79, 1},   // C
             {81, 1}, {79, 0.5}, {76, 0.5}, {72, 2},            // Am
             {77, 1}, {76, 1}, {74, 1}, {72, 1},                // F
             {74, 1}, {71, 1}, {72, 2}},                        // G
            beat, 0.22, 0.15, bell);
  AddTriad(mix, 32 * beat, 3 * beat, chords[0], 0.12, pad);  // closing C
  return Finish(std::move(mix), 1.5);
}

PcmAudio EveningBreeze() {
  const double beat = 60.0 / 84.0;
  const Chord chords[] = {{57, true}, {53, false}, {60, false}, {55, false}};
  const Timbre bell{{1.0, 0.25, 0.15, 0.05}, 0.005, 0.6, 0.3};
  const Timbre bass{{1.0, 0.3, 0.0, 0.0}, 0.05, 3.0, 0.4};
  const Timbre flute{{1.0, 0.1, 0.05, 0.0}, 0.12, 3.0, 0.3};
  PcmAudio mix = EmptyStereo();
  for (int bar = 0; bar < 8; ++bar) {
    const Chord& chord = chords[bar % 4];
    const double start = bar * 4 * beat;
    const int arpeggio[8] = {chord.root,         chord.Fifth(),      chord.root + 12,
                             chord.Third() + 12, chord.Fifth() + 12, chord.Third() + 12,
                             chord.root + 12,    chord.Fifth()};
    for (int step = 0; step < 8; ++step) {
      AddNote(mix, start + step * beat / 2, beat / 2, arpeggio[step], 0.13, step % 2 ? 0.4 : -0.4, bell);
    }
    AddNote(mix, start, 3.8 * beat, chord.root - 12, 0.28, 0.0, bass);
    // A slow line on the chord's third and fifth, an octave up.
    AddNote(mix, start, 1.9 * beat, chord.Third() + 12, 0.10, 0.1, flute);
    AddNote(mix, start + 2 * beat, 1.9 * beat, (bar % 2 ? chord.Fifth() : chord.Third()) + 12, 0.10,
            0.1, flute);
  }
  AddNote(mix, 32 * beat, 3 * beat, 45, 0.25, 0.0, bass);
  AddNote(mix, 32 * beat, 3 * beat, 69, 0.12, 0.0, bell);
  return Finish(std::move(mix), 2.0);
}

PcmAudio NightWalk() {
  const double beat = 60.0 / 110.0;
  const Chord chords[] = {{50, true}, {46, false}, {53, false}, {48, false}};
  const Timbre bass{{1.0, 0.6, 0.2, 0.0}, 0.01, 0.5, 0.08};
  const Timbre square{{1.0, 0.0, 0.33, 0.0}, 0.01, 0.6, 0.1};
  const Timbre stab{{1.0, 0.2, 0.1, 0.0}, 0.005, 0.2, 0.05};
  PcmAudio mix = EmptyStereo();
  for (int bar = 0; bar < 10; ++bar) {
    const Chord& chord = chords[bar % 4];
    const double start = bar * 4 * beat;
    const int walk[4] = {chord.root - 12, chord.Third() - 12, chord.Fifth() - 12, chord.root - 10};
    for (int step = 0; step < 4; ++step) {
      AddNote(mix, start + step * beat, 0.9 * beat, walk[step], 0.30, 0.0, bass);
      if (step % 2 == 0) AddKick(mix, start + step * beat, 0.35);
      // Short chord stabs on the off-beats.
      AddNote(mix, start + (step + 0.5) * beat, 0.2 * beat, chord.Third() + 12, 0.06, -0.35, stab);
      AddNote(mix, start + (step + 0.5) * beat, 0.2 * beat, chord.Fifth() + 12, 0.06, 0.35, stab);
    }
  }
  std::vector<MelodyNote> melody{{0, 8}};  // two bars of groove first
  const std::vector<MelodyNote> phrase{
      {74, 1}, {77, 0.5}, {76, 0.5}, {74, 1}, {69, 1},   // Dm
      {70, 1.5}, {74, 0.5}, {77, 2},                     // Bb
      {72, 0.5}, {74, 0.5}, {77, 1}, {81, 1}, {79, 1},   // F
      {76, 1.5}, {74, 0.5}, {72, 2}};                    // C
  for (int repeat = 0; repeat < 2; ++repeat) melody.insert(melody.end(), phrase.begin(), phrase.end());
  AddMelody(mix, melody, beat, 0.16, 0.1, square);
  AddNote(mix, 40 * beat, 2 * beat, 38, 0.3, 0.0, bass);  // final D
  AddNote(mix, 40 * beat, 2 * beat, 74, 0.16, 0.1, square);
  AddKick(mix, 40 * beat, 0.35);
  return Finish(std::move(mix), 1.5);
}

MediaGen::ModuleSong LittleTracker() {
  using namespace MediaGen;
  ModuleSong song;
  song.title = "Little Tracker";
  song.channels = 4;
  song.speed = 6;
  song.tempo = 125;
  song.samples.push_back(MakeCycleSample("lead", 32, 0.25));
  song.samples.push_back(MakeCycleSample("bass", 64, 0.4));  // an octave below the lead
  song.samples.push_back(MakeCycleSample("arp", 32, 0.6));
  ModuleSample hat;
  hat.name = "hat";
  uint32_t noise = 12345;
  for (int i = 0; i < 800; ++i) {
    noise = noise * 1103515245u + 12345u;
    hat.data.push_back(int8_t((int((noise >> 16) % 161) - 80) / (1 + i / 160)));
  }
  song.samples.push_back(hat);
  enum { kLead = 1, kBass, kArp, kHat };

  // Notes count from 49 = middle C; one bar is 16 rows. Chords: C, Am, F, G.
  const int roots[4] = {49, 46, 54, 56};
  const int thirds[4] = {4, 3, 4, 4};
  // The lead plays on every fourth row; 0 rests.
  const int leadLines[3][16] = {{61, 0, 65, 0, 65, 0, 61, 0, 66, 0, 70, 0, 68, 0, 0, 0},
                                {68, 66, 65, 61, 65, 0, 70, 0, 70, 68, 66, 65, 63, 0, 68, 0},
                                {72, 0, 68, 65, 70, 0, 65, 0, 66, 65, 63, 61, 60, 0, 61, 0}};
  for (const auto& leadLine : leadLines) {
    ModulePattern pattern(song.channels);
    for (int bar = 0; bar < 4; ++bar) {
      const int root = roots[bar];
      const int arpeggio[4] = {root, root + thirds[bar], root + 7, root + 12};
      for (int step = 0; step < 16; ++step) {
        const int row = bar * 16 + step;
        const int lead = leadLine[bar * 4 + step / 4];
        if (step % 4 == 0 && lead > 0) pattern.At(row, 0) = {lead, kLead, 44};
        if (step % 8 == 0) pattern.At(row, 1) = {root + (step == 8 ? 7 : 0), kBass, 56};
        if (step % 2 == 0) pattern.At(row, 2) = {arpeggio[(step / 2) % 4], kArp, 18};
        if (step % 4 == 2) pattern.At(row, 3) = {61, kHat, 26};
      }
    }
    song.patterns.push_back(pattern);
  }
  song.order = {0, 1, 2};
  return song;
}

}  // namespace DemoSongs
