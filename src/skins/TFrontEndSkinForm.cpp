#include "TFrontEndSkinForm.h"

TFrontEndSkinForm::TFrontEndSkinForm(QWidget* parent) : QWidget(parent) {}
