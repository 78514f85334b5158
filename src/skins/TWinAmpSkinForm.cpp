#include "TWinAmpSkinForm.h"

TWinAmpSkinForm::TWinAmpSkinForm(QWidget* parent) : QWidget(parent) {}
