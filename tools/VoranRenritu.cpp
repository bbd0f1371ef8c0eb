#include "VoranRenritu.h"

TRenrituForm::TRenrituForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TRenrituForm", QStringLiteral("連立方程式"), QSize(625, 129), -40, 0) {}
