#pragma once
// The player's windows: one global instance each, created at start-up in a
// fixed order (the deck first, so it is the main window) and destroyed in
// reverse order, so the equalizer and the playlist editor hand their state to
// the deck before the deck writes the settings file.
class TDeckForm;
class TEqualizerFormSkinned;
class TPlayListEditorForm;
class TSelectAudioApiForm;
class TPreferencesDialogForm;
class TWinAmpSkinForm;
class TFrontEndSkinForm;
class TEqualizerPresetsForm;
class TMyFreeDBInterfaceForm;
class TfreedbMatchesDialogForm;
class TSubmitTofreedbForm;

extern TDeckForm* DeckForm;
extern TEqualizerFormSkinned* EqualizerFormSkinned;
extern TPlayListEditorForm* PlayListEditorForm;
extern TSelectAudioApiForm* SelectAudioApiForm;
extern TPreferencesDialogForm* PreferencesDialogForm;
extern TWinAmpSkinForm* WinAmpSkinForm;
extern TFrontEndSkinForm* FrontEndSkinForm;
extern TEqualizerPresetsForm* EqualizerPresetsForm;
extern TMyFreeDBInterfaceForm* MyFreeDBInterfaceForm;
extern TfreedbMatchesDialogForm* freedbMatchesDialogForm;
extern TSubmitTofreedbForm* SubmitTofreedbForm;

void CreateForms();
void DestroyForms();
