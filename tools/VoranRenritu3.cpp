#include "VoranRenritu3.h"

TRenritu3Form::TRenritu3Form(QWidget* mainWindow)
    : ToolForm(mainWindow, "TRenritu3Form", QStringLiteral("3元1次方程式"), QSize(625, 193), -20, 0) {}
