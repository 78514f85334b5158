#include "TPlayListEditorForm.h"

#include "app/Forms.h"
#include "app/TDeckForm.h"

TPlayListEditorForm::TPlayListEditorForm(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), Panel1(new QWidget(this)) {
  setWindowTitle(QStringLiteral("Playlist Editor"));
  SetPanel1Size(300, 225);
}

TPlayListEditorForm::~TPlayListEditorForm() { FormDestroy(); }

void TPlayListEditorForm::FormDestroy() { PLSaveControlsPositions(); }

void TPlayListEditorForm::SetPanel1Size(int width, int height) {
  Panel1->resize(width, height);
  resize(width, height);
}

void TPlayListEditorForm::PLSaveControlsPositions() {
  SavedSettings& saved = DeckForm->Settings;
  saved.PLLeft = x();
  saved.PLTop = y();
  saved.PLWidth = Panel1->width();
  saved.PLHeight = Panel1->height();
  saved.SavedPLDisplayOptions = DisplayOptions;
}

void TPlayListEditorForm::PLLoadControlsPositions() {
  const SavedSettings& saved = DeckForm->Settings;
  setVisible(saved.PLVisible);
  move(saved.PLLeft, saved.PLTop);
  SetPanel1Size(saved.PLWidth, saved.PLHeight);
  DisplayOptions = saved.SavedPLDisplayOptions;
}
