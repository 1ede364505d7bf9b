#pragma once
#include "core/Colors.h"

class QWidget;

// The text colour of a label (its ForeColor), as 0x00BBGGRR.
void SetForeColor(QWidget* label, int bgr);
int ForeColor(const QWidget* label);
