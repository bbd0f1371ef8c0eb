#include "VoranHutei.h"

THuteiForm::THuteiForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "THuteiForm", QStringLiteral("不定方程式"), QSize(456, 328), 40, 0) {}
