#include "VoranSekibun.h"

TSekibunForm::TSekibunForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TSekibunForm", QStringLiteral("定積分"), QSize(745, 129), -40, 20) {}
