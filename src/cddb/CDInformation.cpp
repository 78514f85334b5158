#include "CDInformation.h"

#include "cddb/TCddb.h"
#include "cddb/TMyFreeDBInterfaceForm.h"
#include "cddb/TSubmitTofreedbForm.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListHooks.h"

namespace FreeDBInterface {

std::function<void()> ShowLookupWindow;

UnitState& State() {
  static UnitState state;
  return state;
}

Cddb::TCddb* Freedb() { return MyFreeDBInterfaceForm != nullptr ? MyFreeDBInterfaceForm->freedb : nullptr; }

namespace {

// A drive is named by its device path or image file; the root adds a "/".
QString DriveNameOfRoot(const QString& driveRoot) {
  QString driveName = driveRoot;
  if (driveName.endsWith(QLatin1Char('/'))) driveName.chop(1);
  return driveName;
}

}  // namespace

uint8_t GetCDInformation(const QString& driveRoot, int lookupFlag) {
  UnitState& state = State();
  state.CDInfoFound = false;
  state.CDDriveRoot = driveRoot;
  state.DiscReadStatus = 0;
  Cddb::TCddb* freedb = Freedb();
  if (freedb == nullptr) return state.DiscReadStatus;

  state.DiscReadStatus = freedb->ReadTOCByLetter(DriveNameOfRoot(driveRoot)) ? 1 : 0;
  if (state.DiscReadStatus == 1) state.DiscReadStatus = freedb->ReadCurrentTOC() ? 1 : 0;
  if (state.DiscReadStatus != 1) return state.DiscReadStatus;

  freedb->FindLocalMatches();
  freedb->GetCDInfo().CDCategory.clear();
  if (freedb->LoadLocal() >= 0) {
    state.CDInfoFound = true;
  } else {
    // A failed load leaves the record empty; the disc's own table comes back.
    state.DiscReadStatus = freedb->ReadCurrentTOC() ? 1 : 0;
    if (lookupFlag == 1 && ShowLookupWindow) ShowLookupWindow();
  }
  return state.DiscReadStatus;
}

bool ReReadDisc() {
  UnitState& state = State();
  Cddb::TCddb* freedb = Freedb();
  if (freedb == nullptr || !freedb->ReadTOCByLetter(DriveNameOfRoot(state.CDDriveRoot))) state.DiscReadStatus = 0;
  return state.DiscReadStatus == 1;
}

void BuildCDTrackList() {
  UnitState& state = State();
  state.CDTrackList.clear();
  Cddb::TCddb* freedb = Freedb();
  if (freedb == nullptr) return;
  const Cddb::TCDInfo& info = freedb->GetCDInfo();
  const int tracks = qMin<int>(info.CDTOC.TrackCount, Cddb::MaxTracks);
  for (int n = 1; n <= tracks; ++n) {
    QString entry = GeneralFunctions::BuildPlayListEntry(
        state.CDDriveRoot + QStringLiteral("Track%1.cda").arg(n, 2, 10, QLatin1Char('0')));
    if (state.CDInfoFound) {
      GeneralFunctions::SetEntrySongArtist(info.CDArtist, entry);
      GeneralFunctions::SetEntrySongTitle(info.CDTrackTitles[static_cast<size_t>(n - 1)], entry);
    }
    state.CDTrackList.append(entry);
  }
}

void InstallPlayListHooks() {
  PlayListHooks::CDInformation& hooks = PlayListHooks::CD();
  hooks.GetCDInformation = [](const QString& driveRoot, bool useFreedbSupport) {
    return static_cast<int>(GetCDInformation(driveRoot, useFreedbSupport ? 1 : 0));
  };
  hooks.BuildCDTrackList = [] {
    BuildCDTrackList();
    return State().CDTrackList;
  };
  hooks.ShowSubmitCDInformation = [] {
    if (SubmitTofreedbForm != nullptr) SubmitTofreedbForm->ShowModal();
  };
  ShowLookupWindow = [] {
    if (MyFreeDBInterfaceForm != nullptr) MyFreeDBInterfaceForm->ShowModal();
  };
}

void RemovePlayListHooks() {
  PlayListHooks::CDInformation& hooks = PlayListHooks::CD();
  hooks.GetCDInformation = nullptr;
  hooks.BuildCDTrackList = nullptr;
  hooks.ShowSubmitCDInformation = nullptr;
  ShowLookupWindow = nullptr;
}

}  // namespace FreeDBInterface
