#pragma once
#include <QStringList>

class PlayListModel;

namespace PlayListCDTracks {

// True when the path names a CD track ("…/TrackNN.cda", any letter case).
bool IsCDTrackPath(const QString& path);

// Runs on entries about to enter the playlist. CD-track entries are read
// from the disc of the last of them and replaced by the disc's own entries
// (which carry its artist and track titles). A disc image file (.cue, .toc,
// .nrg) or a drive's device node (/dev/sr0) is replaced by the entries of
// all its tracks. Anything else, and an entry whose track the disc does not
// have, is left as it is.
QStringList CheckPlaylistForCDTracksAndGetCDInfo(QStringList entries, bool useFreedbSupport,
                                                 QStringList& cdTrackList);

// "File Info": shows the CD information of the focused CD-track entry.
void ShowCDTrackInformation(PlayListModel& model, bool useFreedbSupport);

}  // namespace PlayListCDTracks
