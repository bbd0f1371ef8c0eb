#include "VoranJunretu.h"

TJunretuForm::TJunretuForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TJunretuForm", QStringLiteral("順列・組合せ"), QSize(638, 233), -20, 20) {}
