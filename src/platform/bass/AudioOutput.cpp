#include "platform/bass/AudioOutput.h"

#include <cstdlib>
#include <string>

#include "platform/bass/bass.h"

namespace Bass {

namespace {

double PaceFactor() {
  const char* text = std::getenv("SOLVANE_AUDIO_PACE");
  const double pace = text ? std::atof(text) : 1.0;
  return pace > 0 ? pace : 1.0;
}

}  // namespace

OutputResult OpenAudioOutput(int device, int rate) {
  if (device < -1) return {nullptr, BASS_ERROR_DEVICE};
  const char* choice = std::getenv("SOLVANE_AUDIO_OUTPUT");
  const std::string kind = choice ? choice : "";
  OutputResult result;
  if (kind.rfind("wav:", 0) == 0) {
    result.output = OpenPacedOutput(kind.c_str() + 4, rate, PaceFactor(), result.error);
  } else if (kind == "null" || device == 0) {
    result.output = OpenPacedOutput(nullptr, rate, PaceFactor(), result.error);
  } else if (kind.empty() || kind == "auto") {
    result.output = OpenSdlOutput(device, rate, result.error);
  } else {
    result.error = BASS_ERROR_DRIVER;  // an output this library does not know
  }
  return result;
}

}  // namespace Bass
