#include "VoranEnzan.h"

TEnzanForm::TEnzanForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TEnzanForm", QStringLiteral("整式の四則演算"), QSize(610, 250), -80, 0) {}
