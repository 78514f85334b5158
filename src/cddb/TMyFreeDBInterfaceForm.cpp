#include "TMyFreeDBInterfaceForm.h"

TMyFreeDBInterfaceForm::TMyFreeDBInterfaceForm(QWidget* parent) : QWidget(parent) {}
