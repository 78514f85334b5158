#pragma once
// Seams through which the playlist editor reaches the deck display and the
// CD-information module without depending on how they are built. The deck
// and the CD-information windows fill these when they are created; an empty
// hook does nothing (a missing CD module reads as "no disc").
#include <QString>
#include <QStringList>

#include <functional>

namespace PlayListHooks {

// What choosing a song changes on the deck.
struct DeckDisplay {
  // True while a Winamp skin is loaded: the artist line then shows
  // "<number>.<artist>" and the title line is left alone.
  std::function<bool()> SkinIsWinamp;
  // Set the text of the artist (title) scroll line and restart its scrolling.
  std::function<void(const QString&)> SetArtistScrollText;
  std::function<void(const QString&)> SetTitleScrollText;
  // The word in the deck's status window ("Stopped" at the end of the list).
  std::function<void(const QString&)> SetStatusText;
  // The bit-rate and sample-rate read-outs shown until real values arrive.
  std::function<void(const QString& kbps, const QString& khz)> SetRateTexts;
  // Redraws the file-type lamps for the newly loaded song.
  std::function<void()> DisplayFileType;
  // Redraws the position slider at PositionPercent.
  std::function<void()> DrawPositionSlider;
  // Tells why an entry could not be played on the deck's text line, for one
  // pass of its scrolling, while the song that follows goes on.
  std::function<void(const QString&)> ShowNotice;
  // A song chosen in the playlist window was tried: the deck shows what the
  // engine does now (playing, or stopped when it could not be played).
  std::function<void()> ShowEngineState;
  // The playlist window was shown (true) or hidden: the deck's playlist
  // button shows which.
  std::function<void(bool shown)> PlayListShown;
};

// The CD-information module's entry points.
struct CDInformation {
  // Reads the disc named by driveRoot (a device path or disc image followed
  // by "/"), looks it up locally and, with useFreedbSupport, on freedb.
  // Returns the disc read status: 1 when a disc was read.
  std::function<int(const QString& driveRoot, bool useFreedbSupport)> GetCDInformation;
  // The entries of the tracks of the disc last read, in track order, with
  // the disc artist and track titles when CD information was found.
  std::function<QStringList()> BuildCDTrackList;
  // Shows the CD information submission window modally.
  std::function<void()> ShowSubmitCDInformation;
};

DeckDisplay& Deck();
CDInformation& CD();

}  // namespace PlayListHooks
