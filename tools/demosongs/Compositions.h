#pragma once
// The demo songs shipped with the player: three synthesised pieces and one
// tracker module, each about twenty seconds long.
#include "mediagen/ModuleSong.h"
#include "mediagen/PcmAudio.h"

namespace DemoSongs {

MediaGen::PcmAudio MorningLight();     // calm pad, bass and a singable melody in C major
MediaGen::PcmAudio EveningBreeze();    // bell arpeggios over A minor
MediaGen::PcmAudio NightWalk();        // walking bass, soft kick and a square lead in D minor
MediaGen::ModuleSong LittleTracker();  // four-channel chiptune

}  // namespace DemoSongs
