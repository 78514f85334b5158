#include "TPreferencesDialogForm.h"

TPreferencesDialogForm::TPreferencesDialogForm(QWidget* parent) : QWidget(parent) {}
