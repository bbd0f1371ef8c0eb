// The window "２次方程式" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TNijiForm : public ToolForm {
    Q_OBJECT

public:
    explicit TNijiForm(QWidget* mainWindow);
};
