// The window "3元1次方程式" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TRenritu3Form : public ToolForm {
    Q_OBJECT

public:
    explicit TRenritu3Form(QWidget* mainWindow);
};
