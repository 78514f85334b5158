#pragma once
// The BASS back-end's side of internet radio: opening a station's stream and
// keeping the shared variables up to date with what the station tells.
#include <QString>

#include <cstdint>

namespace BASSApi {

// The stream of an internet radio address; 0 when the address is refused.
// Returns at once: the connection is made in the background.
uint32_t CreateInternetStream(const QString& url);

// After a station's stream was loaded: its format is not known yet, so the
// read-outs keep what the playlist put there until the station's arrives.
void AwaitStationFormat();

// Why a station's stream that ended never played, in plain words ("Can't
// reach the station: no answer in time"); empty when its sound did arrive.
QString UnreachableStationText(uint32_t handle);

// Called with every position query while a stream plays: the station's
// sample rate, channels and bit rate (TextWindowsDirty when they change),
// whether it is buffering, its name and the title on air.
void UpdateInternetStream(uint32_t handle);

}  // namespace BASSApi
