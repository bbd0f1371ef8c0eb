#include "VoranNiji.h"

TNijiForm::TNijiForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TNijiForm", QStringLiteral("２次方程式"), QSize(625, 129), 0, 0) {}
