#include "VoranBibun.h"

TBibunForm::TBibunForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TBibunForm", QStringLiteral("微分"), QSize(627, 249), -60, 20) {}
