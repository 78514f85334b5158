#include "TEqualizerPresetsForm.h"

TEqualizerPresetsForm::TEqualizerPresetsForm(QWidget* parent) : QWidget(parent) {}
