#include "VoranInsuu.h"

TInsuuForm::TInsuuForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TInsuuForm", QStringLiteral("因数分解"), QSize(625, 129), -60, 0) {}
