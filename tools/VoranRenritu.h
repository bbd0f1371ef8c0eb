// The window "連立方程式" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TRenrituForm : public ToolForm {
    Q_OBJECT

public:
    explicit TRenrituForm(QWidget* mainWindow);
};
