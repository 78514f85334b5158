#include "SkinCursors.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

#include <algorithm>
#include <array>

#include "skins/DeckSkinControls.h"
#include "skins/SkinFiles.h"
#include "skins/EqualizerSkinControls.h"
#include "skins/PlayListSkinControls.h"
#include "skins/SkinFiles.h"

namespace SkinUnit {

namespace {

constexpr std::array<const char*, kSkinCursorCount> kCursorFiles = {
    "Normal.Cur",   "MainMenu.Cur", "Min.Cur",      "Close.Cur",    "WinBut.Cur",
    "TitleBar.Cur", "PosBar.Cur",   "VolBal.Cur",   "VolBal.Cur",   "VolBal.Cur",
    "VolBal.Cur",   "SongName.Cur", "EQNormal.Cur", "EQClose.Cur",  "EQTitle.Cur",
    "EQSlid.Cur",   "PNormal.Cur",  "PClose.Cur",   "PWinBut.Cur",  "PTBar.Cur",
    "PVScroll.Cur", "PSize.Cur",    "PWSNorm.Cur",  "PWSSize.Cur",  "WSClose.Cur",
    "WSMin.Cur",    "WSNormal.Cur", "WSPosBar.Cur", "WSWinBut.Cur"};

// Cursor files are tiny; anything larger is not one.
constexpr qint64 kMaxCursorFileBytes = 1 << 20;
constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr uint16_t kCursorType = 2;

std::array<std::optional<QCursor>, kSkinCursorCount> cursorSlots;

}  // namespace

QString SkinCursorFileName(int id) {
  if (id < 1 || id > kSkinCursorCount) return {};
  return QString::fromLatin1(kCursorFiles[static_cast<size_t>(id - 1)]);
}

// Layout: a 6-byte directory (reserved 0, type 2, entry count), 16-byte
// entries (width, height, colours, reserved, hot spot x and y, data size and
// offset), then each entry's image as a device-independent bitmap or PNG,
// which Qt's icon reader decodes.
std::optional<QCursor> ReadCursorFile(const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxCursorFileBytes)
    return std::nullopt;
  const QByteArray data = file.readAll();
  if (data.size() < kDirectorySize + kEntrySize) return std::nullopt;
  const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
  if (qFromLittleEndian<uint16_t>(bytes) != 0 ||
      qFromLittleEndian<uint16_t>(bytes + 2) != kCursorType ||
      qFromLittleEndian<uint16_t>(bytes + 4) == 0)
    return std::nullopt;
  const uchar* entry = bytes + kDirectorySize;
  const int hotX = qFromLittleEndian<uint16_t>(entry + 4);
  const int hotY = qFromLittleEndian<uint16_t>(entry + 6);
  const quint64 size = qFromLittleEndian<uint32_t>(entry + 8);
  const quint64 offset = qFromLittleEndian<uint32_t>(entry + 12);
  if (size == 0 || offset + size > quint64(data.size())) return std::nullopt;

  // Qt's icon reader takes the same file once it is marked as an icon; the
  // hot spot fields would be read as planes and bit depth, so they are cleared.
  QByteArray asIcon = data;
  asIcon[2] = 1;
  const int entries = std::min<int>(qFromLittleEndian<uint16_t>(bytes + 4),
                                    (data.size() - kDirectorySize) / kEntrySize);
  for (int i = 0; i < entries; ++i) {
    for (int b = 4; b < 8; ++b) asIcon[kDirectorySize + kEntrySize * i + b] = 0;
  }
  const std::optional<QImage> image = DecodeImage(asIcon, "ICO");
  if (!image || hotX >= image->width() || hotY >= image->height()) return std::nullopt;
  return QCursor(QPixmap::fromImage(*image), hotX, hotY);
}

QCursor SkinCursor(int id) {
  if (id < 1 || id > kSkinCursorCount) return QCursor(Qt::ArrowCursor);
  const auto& slot = cursorSlots[static_cast<size_t>(id - 1)];
  return slot ? *slot : QCursor(Qt::ArrowCursor);
}

void LoadSkinCursors(const QString& folder, DeckSkinControls& d, EqualizerSkinControls& e,
                     PlayListSkinControls& p) {
  for (int id = 1; id <= kSkinCursorCount; ++id)
    cursorSlots[static_cast<size_t>(id - 1)] = ReadCursorFile(FindSkinFile(folder, SkinCursorFileName(id)));

  const auto attach = [](int id, std::initializer_list<QWidget*> controls) {
    const QCursor cursor = SkinCursor(id);
    for (QWidget* control : controls) control->setCursor(cursor);
  };
  attach(1, {d.MainImage, d.BackwardButton, d.PlayButton, d.PauseButton, d.StopButton,
             d.ForwardButton, d.EjectButton, d.RepeatButton, d.ShuffleButton, d.EqualizerButton,
             d.PlaylistButton, d.MonoButton, d.StereoButton});
  attach(2, {d.MainMenuButton});
  attach(3, {d.MinimizeWindowButton});
  attach(4, {d.CloseWindowButton});
  attach(5, {d.ToggleWindowButton});
  attach(6, {d.TitleBarImage});
  attach(7, {d.PosbarImage, d.PosBarButton});
  attach(8, {d.VolumeButton});
  attach(9, {d.VolumeImage});
  attach(10, {d.BalanceButton});
  attach(11, {d.BalanceImage});
  attach(12, {d.SongArtistWindow});
  attach(13, {e.EQMainImage, e.EQOnButton, e.EQAutoButton, e.EQPresetsButton,
              e.EQDiagramImageCanvas});
  attach(14, {e.EQCloseWindowButton});
  attach(15, {e.EQTitleBarImage, e.EQToggleWindowButton});
  attach(16, {e.EQPreAmpButton, e.EQPreAmpImage});
  for (QWidget* control : e.EQBandButtons()) attach(16, {control});
  for (QWidget* control : e.EQBandImages()) attach(16, {control});
  attach(17, {p.PLLeftCanvas, p.PLVerticalLeftImage, p.PLRightCanvas, p.PLVerticalRightImage,
              p.PLBottomCanvas, p.PLBottomLeftImage});
  attach(18, {p.PLCloseWindowButton});
  attach(19, {p.PLToggleWindowButton});
  attach(20, {p.PLTopCanvas, p.PLTitleBarLeftImage, p.PLTitleBarRightImage});
  attach(21, {p.PLScrollButton, p.PLScrollImage});
  attach(22, {p.PLBottomRightImage});
}

}  // namespace SkinUnit
