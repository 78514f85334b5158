#pragma once
// A small additive synthesiser for the demo songs: notes with a few
// harmonics, an attack/decay/release envelope and a place in the stereo field.
#include <array>

#include "mediagen/PcmAudio.h"

namespace DemoSongs {

struct Timbre {
  std::array<double, 4> harmonics{1.0, 0.0, 0.0, 0.0};  // strength of partials 1..4
  double attack = 0.01;   // seconds to full level
  double decay = 1.5;     // seconds for the held level to fall to about a third
  double release = 0.15;  // seconds to fade after the note ends
};

// Frequency of a MIDI note number (69 = A 440 Hz).
double MidiFrequency(int note);

// Adds one note to `mix` (stereo). pan -1 left .. +1 right.
void AddNote(MediaGen::PcmAudio& mix, double startSeconds, double seconds, int midiNote,
             double gain, double pan, const Timbre& timbre);

// Adds a soft kick drum: a short falling sine.
void AddKick(MediaGen::PcmAudio& mix, double startSeconds, double gain);

// Scales the whole mix so its loudest sample sits at `peak`.
void Normalize(MediaGen::PcmAudio& mix, double peak);

}  // namespace DemoSongs
