#include "VoranSigma.h"

TSigmaForm::TSigmaForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TSigmaForm", QStringLiteral("∑"), QSize(626, 129), 0, 20) {}
