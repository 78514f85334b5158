#include "TfreedbMatchesDialogForm.h"

TfreedbMatchesDialogForm::TfreedbMatchesDialogForm(QWidget* parent) : QWidget(parent) {}
