#include "TPreferencesDialogForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QFile>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QStringDecoder>
#include <QTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

#include "audio/KestrelixAudioApi.h"
#include "platform/VersionInfo.h"
#include "platform/ui/ProgramFolder.h"
#include "skins/SkinFiles.h"
#include "skins/SkinUnit.h"

TPreferencesDialogForm* PreferencesDialogForm = nullptr;

namespace {

// A read-me of many megabytes (or a binary one) shows its beginning.
constexpr qint64 kMaxCommentBytes = 64 * 1024;

constexpr char kAboutText[] =
    "Solvane Audio Player plays MP3, MP2, MP1, WAV, Ogg Vorbis, FLAC and Opus files, tracker "
    "modules (MOD, XM, S3M, IT, MTM, UMX), audio CDs and internet radio, in three windows that snap together: the "
    "deck, the equalizer and the playlist editor. It wears skins of its own format and "
    "Winamp 2 skins.";

constexpr char kHelpText[] =
    "Mouse\n"
    "- Drag a window by its title bar; the equalizer and the playlist editor snap to the other "
    "windows and travel with the deck when docked.\n"
    "- Deck: click the time to switch between elapsed and remaining time, a text line to "
    "switch between running and bouncing text; double-click the balance button to centre it.\n"
    "- Equalizer: drag a slider and release to apply it; double-click a slider to centre it.\n"
    "- Playlist: click to select, Ctrl+click to add, Shift+click to extend; double-click to "
    "play; drag an entry with the right button to move it; drag the bottom-right corner to "
    "resize; the five buttons at the bottom open the tool panels.\n"
    "- Drop files or folders on the deck or the playlist to add them.\n"
    "- Right-click the deck for its menu: play a file or a folder, an audio CD, the "
    "preferences, the skins, double size, always on top.\n\n"
    "Keyboard (any player window)\n"
    "- X play, C pause, V stop, Z previous song, B next song, L play a file.\n"
    "- Ctrl+P preferences, Ctrl+D double size, Alt+E equalizer, Alt+P playlist editor.\n\n"
    "Keyboard (playlist)\n"
    "- Up, Down, Page Up, Page Down, Home, End move; with Shift or Ctrl they extend the "
    "selection. Ctrl+A selects all, Delete removes, Return plays.\n\n"
    "Skins\n"
    "- On the Skins page, click a skin to see its name, format and comments; double-click it "
    "to wear it.";

constexpr char kCreditsText[] =
    "Solvane Audio Player is written by the Solvane developers.\n\n"
    "It stands on free libraries: Qt; mpg123 for MPEG audio; libvorbis for Ogg Vorbis; "
    "libsndfile for WAV and FLAC; libopusfile for Opus; TagLib for song tags; libopenmpt for "
    "tracker modules; libcdio and libcdio-paranoia for audio CDs; libcurl for internet radio; "
    "SDL2 for sound output; libsoxr for resampling; KISS FFT for the spectrum. "
    "The default skin's lettering uses the DejaVu fonts.";

// A link that the desktop's own handler opens; hidden when there is no address.
QLabel* LinkLabel(const QString& address, const QString& html) {
  auto* label = new QLabel(html.arg(address));
  label->setOpenExternalLinks(true);
  label->setVisible(!address.isEmpty());
  return label;
}

QString AboutText() {
  return QStringLiteral("%1\n\nVersion %2. It is free software under the GNU General Public License, "
                        "version 3 or later.\n\nThe read-me: %3")
      .arg(QString::fromUtf8(kAboutText), QLatin1String(VersionInfo::Version), PlatformUi::ReadMePath());
}

QString SkinTypeLabel(int type) {
  switch (type) {
    case SkinUnit::stNative: return QStringLiteral("Solvane Audio Player Skin");
    case SkinUnit::stWinamp: return QStringLiteral("Winamp Skin");
    default: return QStringLiteral("Unknown Skin Type");
  }
}

// Skins' read-me files are often in a Windows code page rather than UTF-8,
// and a binary file may stand in their place: text that is not UTF-8 is read
// as Latin-1, and control characters other than line breaks and tabs show as
// replacement marks.
QString ReadableText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  for (QChar& c : text) {
    if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\t' && c != u'\r') {
      c = QChar::ReplacementCharacter;
    }
  }
  return text;
}

QString ReadComments(const QString& folder) {
  const QString path = SkinUnit::FindSkinFile(folder, QStringLiteral("Readme.txt"));
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return QStringLiteral("No comment found.");
  return ReadableText(file.read(kMaxCommentBytes));
}

}  // namespace

QGroupBox* TPreferencesDialogForm::TextPage(QTextEdit* memo, const QString& text) {
  auto* box = new QGroupBox;
  memo->setReadOnly(true);
  memo->setPlainText(text);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(memo);
  captionedBoxes_.push_back(box);
  return box;
}

TPreferencesDialogForm::TPreferencesDialogForm(const ProjectLinks& links, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      PageControl(new QTabWidget),
      WhatsNewMemo(new QTextEdit) {
  setWindowTitle(QStringLiteral("Preferences Dialog"));
  PageControl->addTab(TextPage(new QTextEdit, AboutText()), QStringLiteral("About"));
  PageControl->addTab(MakeAudioApiPage(), QStringLiteral("Audio API Info"));
  PageControl->addTab(MakeSkinsPage(links.skinsMail), QStringLiteral("Skins"));
  PageControl->addTab(new QLabel(QStringLiteral("Not Implemented Yet")), QStringLiteral("Plugins"));
  PageControl->addTab(TextPage(new QTextEdit, QString::fromUtf8(kHelpText)), QStringLiteral("Help"));
  PageControl->addTab(TextPage(new QTextEdit, QString::fromUtf8(kCreditsText)), QStringLiteral("Credits"));
  PageControl->addTab(TextPage(WhatsNewMemo, {}), QStringLiteral("What's New"));
  PageControl->addTab(MakeOptionsPage(), QStringLiteral("Options"));

  WebPageLink = LinkLabel(links.webPage, QStringLiteral("<a href=\"%1\">The Solvane web page</a>"));
  CommentsLink = LinkLabel(links.commentsMail, QStringLiteral("<a href=\"mailto:%1\">Send us your comments</a>"));
  auto* linkLine = new QHBoxLayout;
  linkLine->addWidget(WebPageLink);
  linkLine->addWidget(CommentsLink);
  linkLine->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl);
  layout->addLayout(linkLine);
  setFixedSize(560, 420);
  connect(PageControl, &QTabWidget::currentChanged, this, &TPreferencesDialogForm::PageShown);
}

QWidget* TPreferencesDialogForm::MakeAudioApiPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral(
      "The player reaches its sound through an audio layer: one back-end decodes, mixes and "
      "plays every song. The back-end in use:")));
  const char* names[] = {"Developer:", "Name:", "Version:", "Library:"};
  for (size_t i = 0; i < AudioApiLabels.size(); ++i) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QString::fromLatin1(names[i])));
    AudioApiLabels[i] = new QLabel;
    row->addWidget(AudioApiLabels[i], 1);
    layout->addLayout(row);
  }
  layout->addStretch();
  return page;
}

QWidget* TPreferencesDialogForm::MakeSkinsPage(const QString& skinsMail) {
  auto* page = new QWidget;
  SkinsTreeView = new QTreeView;
  SkinsTreeView->setHeaderHidden(true);
  connect(SkinsTreeView, &QTreeView::clicked, this, &TPreferencesDialogForm::SkinsTreeViewClick);
  connect(SkinsTreeView, &QTreeView::doubleClicked, this, &TPreferencesDialogForm::SkinsTreeViewDblClick);

  SkinNameLabel = new QLabel(QStringLiteral("None"));
  SkinFormatLabel = new QLabel(QStringLiteral("None"));
  SkinCommentsMemo = new QTextEdit;
  SkinCommentsMemo->setReadOnly(true);
  auto* details = new QVBoxLayout;
  for (const auto& [caption, value] : {std::pair{"Skin Name :", SkinNameLabel}, std::pair{"Skin Format:", SkinFormatLabel}}) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QString::fromLatin1(caption)));
    row->addWidget(value, 1);
    details->addLayout(row);
  }
  details->addWidget(new QLabel(QStringLiteral("Skin Comments")));
  details->addWidget(SkinCommentsMemo, 1);
  auto* note = new QLabel(QStringLiteral("Made a skin? Send it to us and we may ship it with the player:"));
  note->setWordWrap(true);
  note->setVisible(!skinsMail.isEmpty());
  details->addWidget(note);
  SkinsMailLink = LinkLabel(skinsMail, QStringLiteral("<a href=\"mailto:%1\">%1</a>"));
  details->addWidget(SkinsMailLink);

  auto* layout = new QHBoxLayout(page);
  layout->addWidget(SkinsTreeView, 1);
  layout->addLayout(details, 1);
  return page;
}

// The folder model reads and watches folders on threads of its own: it is
// made when the skin browser is first shown, not in every session.
void TPreferencesDialogForm::MakeSkinsModel() {
  SkinsModel = new QFileSystemModel(SkinsTreeView);
  // Folders, and the skin archives that are skins like folders.
  SkinsModel->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
  SkinsModel->setNameFilters({QStringLiteral("*.wsz"), QStringLiteral("*.zip")});
  SkinsModel->setNameFilterDisables(false);
  SkinsTreeView->setModel(SkinsModel);
  for (int column = 1; column < SkinsModel->columnCount(); ++column) SkinsTreeView->hideColumn(column);
}

QWidget* TPreferencesDialogForm::MakeOptionsPage() {
  auto* page = new QWidget;
  AlwaysOnTopCheckBox = new QCheckBox(QStringLiteral("Always on Top"));
  UseFreedbSupportCheckBox = new QCheckBox(QStringLiteral("Use freedb Support"));
  DoubleSizeCheckBox = new QCheckBox(QStringLiteral("Double Size"));
  ReadTitlesFromTagsCheckBox = new QCheckBox(QStringLiteral("Read titles from tags"));
  AddFoldersWithSubfoldersCheckBox = new QCheckBox(QStringLiteral("Add folders with their subfolders"));
  SkipUnplayableSongsCheckBox = new QCheckBox(QStringLiteral("Skip songs that cannot be played"));
  GaplessPlaybackCheckBox = new QCheckBox(QStringLiteral("Gapless playback"));
  ReplayGainComboBox = new QComboBox;
  ReplayGainComboBox->addItems({QStringLiteral("Off"), QStringLiteral("Track gain"), QStringLiteral("Album gain")});
  ReplayGainPreAmpSpinBox = new QSpinBox;
  ReplayGainPreAmpSpinBox->setRange(-15, 15);
  ReplayGainPreAmpSpinBox->setSuffix(QStringLiteral(" dB"));
  auto* layout = new QVBoxLayout(page);
  for (const auto& option : {std::pair{AlwaysOnTopCheckBox, &AlwaysOnTop},
                             std::pair{UseFreedbSupportCheckBox, &UseFreedbSupport},
                             std::pair{DoubleSizeCheckBox, &DoubleSize},
                             std::pair{ReadTitlesFromTagsCheckBox, &ReadTitlesFromTags},
                             std::pair{AddFoldersWithSubfoldersCheckBox, &AddFoldersWithSubfolders},
                             std::pair{SkipUnplayableSongsCheckBox, &SkipUnplayableSongs},
                             std::pair{GaplessPlaybackCheckBox, &GaplessPlayback}}) {
    DeckFlag* flag = option.second;
    layout->addWidget(option.first);
    connect(option.first, &QCheckBox::clicked, this, [flag](bool checked) {
      if (flag->Set) flag->Set(checked);
    });
  }
  auto* replayGain = new QFormLayout;
  replayGain->addRow(QStringLiteral("ReplayGain:"), ReplayGainComboBox);
  replayGain->addRow(QStringLiteral("Pre-amp for songs without ReplayGain:"), ReplayGainPreAmpSpinBox);
  layout->addLayout(replayGain);
  connect(ReplayGainComboBox, &QComboBox::activated, this, [this](int mode) {
    if (ReplayGainMode.Set) ReplayGainMode.Set(mode);
  });
  connect(ReplayGainPreAmpSpinBox, &QSpinBox::valueChanged, this, [this](int dB) {
    if (ReplayGainPreAmp.Set) ReplayGainPreAmp.Set(dB);
  });
  layout->addStretch();
  return page;
}

void TPreferencesDialogForm::ShowDialog() {
  for (QGroupBox* box : captionedBoxes_) box->setTitle(QGuiApplication::applicationDisplayName());
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  PageShown(PageControl->currentIndex());
  show();
  raise();
  activateWindow();
}

void TPreferencesDialogForm::PageShown(int page) {
  const QString tab = PageControl->tabText(page);
  if (tab == QLatin1String("Audio API Info")) {
    const auto& api = KestrelixAudioApi::registry.CurrentAudioAPI;
    const QString fields[] = {api.Description, api.APIName, api.APIVersion, api.LibraryFile};
    for (size_t i = 0; i < AudioApiLabels.size(); ++i) AudioApiLabels[i]->setText(fields[i]);
  } else if (tab == QLatin1String("Skins")) {
    if (!SkinsModel) MakeSkinsModel();
    SkinsTreeView->setRootIndex(SkinsModel->setRootPath(SkinUnit::SkinsFolder));
  } else if (tab == QLatin1String("What's New")) {
    QFile file(PlatformUi::ProgramFolder() + QStringLiteral("What's New.txt"));
    WhatsNewMemo->setPlainText(file.open(QIODevice::ReadOnly)
                                   ? QString::fromUtf8(file.read(kMaxCommentBytes))
                                   : QStringLiteral("The list of changes (What's New.txt) is missing."));
  } else if (tab == QLatin1String("Options")) {
    AlwaysOnTopCheckBox->setChecked(AlwaysOnTop.Get && AlwaysOnTop.Get());
    UseFreedbSupportCheckBox->setChecked(UseFreedbSupport.Get && UseFreedbSupport.Get());
    DoubleSizeCheckBox->setChecked(DoubleSize.Get && DoubleSize.Get());
    ReadTitlesFromTagsCheckBox->setChecked(ReadTitlesFromTags.Get && ReadTitlesFromTags.Get());
    AddFoldersWithSubfoldersCheckBox->setChecked(AddFoldersWithSubfolders.Get && AddFoldersWithSubfolders.Get());
    SkipUnplayableSongsCheckBox->setChecked(SkipUnplayableSongs.Get && SkipUnplayableSongs.Get());
    GaplessPlaybackCheckBox->setChecked(GaplessPlayback.Get && GaplessPlayback.Get());
    ReplayGainComboBox->setCurrentIndex(ReplayGainMode.Get ? ReplayGainMode.Get() : 0);
    const QSignalBlocker quiet(ReplayGainPreAmpSpinBox);
    ReplayGainPreAmpSpinBox->setValue(ReplayGainPreAmp.Get ? ReplayGainPreAmp.Get() : 0);
  }
}

void TPreferencesDialogForm::SkinsTreeViewClick(const QModelIndex& index) {
  const QString folder = SkinsModel->filePath(index);
  SkinNameLabel->setText(SkinUnit::SplitSkinPath(folder).Name);
  SkinFormatLabel->setText(SkinTypeLabel(SkinUnit::GetSkinType(folder)));
  SkinCommentsMemo->setPlainText(ReadComments(folder));
}

void TPreferencesDialogForm::SkinsTreeViewDblClick(const QModelIndex& index) {
  SkinUnit::SwitchToSkin(SkinsModel->filePath(index));
}
