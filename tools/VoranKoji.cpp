#include "VoranKoji.h"

TKojiForm::TKojiForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TKojiForm", QStringLiteral("高次方程式"), QSize(717, 129), 20, 0) {}
