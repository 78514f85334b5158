#include "TSubmitTofreedbForm.h"

TSubmitTofreedbForm::TSubmitTofreedbForm(QWidget* parent) : QWidget(parent) {}
