#include "MprisAdaptors.h"

#include <QDBusContext>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cmath>

#include "app/DroppedFiles.h"
#include "app/Forms.h"
#include "app/MprisState.h"
#include "app/PlayerStartup.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "platform/VersionInfo.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SpriteFunctions.h"
#include "skins/ToggleButtonStates.h"

namespace {

namespace Audio = KestrelixAudioApi;

constexpr qlonglong kMicroseconds = 1'000'000;

// The repeat and shuffle toggles are switched as a click would, and their
// buttons drawn in the new state.
void SetDeckToggle(bool wanted, bool current, void (TDeckForm::*click)(),
                   PlatformUi::ImageControl* button, const PlatformUi::ImageList& sprites,
                   int& state) {
  if (wanted == current) return;
  (DeckForm->*click)();
  state = DeckToggle::FromModel(wanted);
  GeneralFunctions::ShowSprite(*button, sprites, state);
}

bool Playing() { return Audio::vars.PlayStatus == Audio::psPlaying; }

}  // namespace

MprisRootAdaptor::MprisRootAdaptor(QObject* parent) : QDBusAbstractAdaptor(parent) {}

QString MprisRootAdaptor::Identity() const { return QLatin1String(VersionInfo::ProductName); }

QString MprisRootAdaptor::DesktopEntry() const { return QStringLiteral("solvane"); }

QStringList MprisRootAdaptor::SupportedUriSchemes() const { return {QStringLiteral("file")}; }

QStringList MprisRootAdaptor::SupportedMimeTypes() const {
  return QStringLiteral(SOLVANE_MIME_TYPES).split(',', Qt::SkipEmptyParts);
}

void MprisRootAdaptor::Raise() { RaisePlayerWindows(); }

void MprisRootAdaptor::Quit() { DeckForm->close(); }

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* parent, std::function<void()> acted)
    : QDBusAbstractAdaptor(parent), acted_(std::move(acted)) {}

QString MprisPlayerAdaptor::PlaybackStatus() const { return CurrentMprisPlayerState().PlaybackStatus; }

QString MprisPlayerAdaptor::LoopStatus() const { return CurrentMprisPlayerState().LoopStatus; }

// The deck repeats the whole playlist; a request to repeat one track gets the
// nearest thing and the property then says "Playlist".
void MprisPlayerAdaptor::SetLoopStatus(const QString& status) {
  static const QStringList kKnown{QStringLiteral("None"), QStringLiteral("Track"),
                                  QStringLiteral("Playlist")};
  if (!kKnown.contains(status)) return;
  SetDeckToggle(status != QLatin1String("None"), DeckForm->Settings.RepeatOn,
                &TDeckForm::RepeatButtonClick, DeckForm->RepeatButton,
                DeckForm->RepeatButtonImageList, DeckForm->RepeatButtonState);
  acted_();
}

bool MprisPlayerAdaptor::Shuffle() const { return DeckForm->Settings.ShuffleOn; }

void MprisPlayerAdaptor::SetShuffle(bool on) {
  SetDeckToggle(on, DeckForm->Settings.ShuffleOn, &TDeckForm::ShuffleButtonClick,
                DeckForm->ShuffleButton, DeckForm->ShuffleButtonImageList,
                DeckForm->ShuffleButtonState);
  acted_();
}

QVariantMap MprisPlayerAdaptor::Metadata() const { return CurrentMprisPlayerState().Metadata(); }

double MprisPlayerAdaptor::Volume() const { return CurrentMprisPlayerState().Volume; }

void MprisPlayerAdaptor::SetVolume(double volume) {
  if (std::isnan(volume)) return;
  DeckForm->SetVolumeLevel(static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * 100)));
  acted_();
}

qlonglong MprisPlayerAdaptor::Position() const { return CurrentMprisPositionUs(); }

bool MprisPlayerAdaptor::CanGoNext() const { return CurrentMprisPlayerState().HasSongs; }
bool MprisPlayerAdaptor::CanPlay() const { return CurrentMprisPlayerState().HasSongs; }
bool MprisPlayerAdaptor::CanPause() const { return CurrentMprisPlayerState().HasSong; }
bool MprisPlayerAdaptor::CanSeek() const { return CurrentMprisPlayerState().CanSeek; }

void MprisPlayerAdaptor::Press(void (TDeckForm::*handler)()) {
  (DeckForm->*handler)();
  acted_();
}

void MprisPlayerAdaptor::Next() { Press(&TDeckForm::ForwardButtonClick); }

void MprisPlayerAdaptor::Previous() { Press(&TDeckForm::BackwardButtonClick); }

void MprisPlayerAdaptor::Stop() { Press(&TDeckForm::StopButtonClick); }

// The deck's Pause button resumes a paused song, so it serves for both.
void MprisPlayerAdaptor::Pause() {
  if (Playing()) Press(&TDeckForm::PauseButtonClick);
}

void MprisPlayerAdaptor::PlayPause() {
  const bool loaded = Playing() || Audio::vars.PlayStatus == Audio::psPaused;
  Press(loaded ? &TDeckForm::PauseButtonClick : &TDeckForm::PlayButtonClick);
}

void MprisPlayerAdaptor::Play() {
  if (!Playing() && PlayListEditorForm->PlayList.TotalFiles() > 0) Press(&TDeckForm::PlayButtonClick);
}

void MprisPlayerAdaptor::MoveTo(qlonglong positionUs) {
  DeckForm->SeekToSecond(positionUs / kMicroseconds);
  emit Seeked(CurrentMprisPositionUs());
  acted_();
}

// A seek past the end goes on to the next song; before the start, to the start.
void MprisPlayerAdaptor::Seek(qlonglong offsetUs) {
  const MprisPlayerState state = CurrentMprisPlayerState();
  if (!state.CanSeek) return;
  const qlonglong target = std::max<qlonglong>(0, CurrentMprisPositionUs() + offsetUs);
  if (target > state.LengthUs) {
    Next();
    return;
  }
  MoveTo(target);
}

// Only a position within the current song counts; a stale track id (the
// song changed meanwhile) is ignored.
void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong positionUs) {
  const MprisPlayerState state = CurrentMprisPlayerState();
  if (!state.CanSeek || trackId != state.TrackId) return;
  if (positionUs < 0 || positionUs > state.LengthUs) return;
  MoveTo(positionUs);
}

void MprisPlayerAdaptor::Refuse(QDBusError::ErrorType error, const QString& reason) {
  if (auto* context = dynamic_cast<QDBusContext*>(parent()); context && context->calledFromDBus()) {
    context->sendErrorReply(error, reason);
  }
}

// A local file is added to the playlist and played, as if named on the
// command line; anything else is refused with a reason.
void MprisPlayerAdaptor::OpenUri(const QString& uri) {
  const QUrl url(uri);
  if (!url.isLocalFile()) {
    Refuse(QDBusError::NotSupported, QStringLiteral("Only local files can be opened: %1").arg(uri));
    return;
  }
  const QString path = url.toLocalFile();
  if (!QFileInfo::exists(path)) {
    Refuse(QDBusError::InvalidArgs, QStringLiteral("No such file: %1").arg(path));
    return;
  }
  AddCommandLineSongs({path});
  acted_();
}
