#include "VoranNaibun.h"

TNaibunForm::TNaibunForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TNaibunForm", QStringLiteral("内分・外分"), QSize(616, 240), -80, 20) {}
