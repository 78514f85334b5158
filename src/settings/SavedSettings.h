#pragma once
// The settings the player keeps across runs, as the deck and the other
// skinned windows read and change them while it runs.
#include <QString>

#include <array>
#include <cstdint>

#include "settings/PlayListDisplayFlags.h"

struct SavedSettings {
  QString SavedSkinsFolder;
  QString SavedSkinName;
  QString SavedLastFolder;
  bool AlwaysOnTop = false;
  bool UseFreedbSupport = false;
  int32_t DeckLeft = 81;
  int32_t DeckTop = 143;
  int16_t SavedBalance = 50;
  int16_t SavedVolume = 78;
  bool RepeatOn = false;
  bool ShuffleOn = false;
  uint8_t SavedTimeDisplayMode = 0;
  uint8_t SavedArtistScrollMode = 0;
  uint8_t SavedTitleScrollMode = 0;
  bool EQVisible = true;
  int32_t EQLeft = 381;
  int32_t EQTop = 143;
  std::array<int16_t, 11> SavedEQSliders{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
  uint8_t SavedVisualEffectsMode = 0;
  bool SavedLevelMeterOn = true;
  bool SavedEQOn = false;
  bool SavedEQAuto = false;
  bool PLVisible = true;
  int32_t PLLeft = 81;
  int32_t PLTop = 273;
  int32_t PLWidth = 600;
  int32_t PLHeight = 166;
  GeneralFunctions::TPLDisplayOptions SavedPLDisplayOptions = GeneralFunctions::doFullSongFileName;
  // Lines after the first 44, which older builds read past.
  bool DoubleSize = false;
  bool ReadTitlesFromTags = true;
  // "Add Dir" also adds the songs of the folder's subfolders.
  bool AddFoldersWithSubfolders = false;
  bool SkipUnplayableSongs = true;
  bool GaplessPlayback = true;
  uint8_t ReplayGainMode = 0;        // 0 off, 1 track, 2 album
  int32_t ReplayGainPreAmpDb = 0;    // for songs without ReplayGain, -15..15
};
