#pragma once

#include <QString>

class QWidget;

// The texts of a dialog's labels as a screen reader finds them, in the order
// it reads them (the order of the accessible tree), leaving out those hidden
// from it and the dialog's own name.
QString dialogTexts(QWidget *dialog);
