// The window "高次方程式" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TKojiForm : public ToolForm {
    Q_OBJECT

public:
    explicit TKojiForm(QWidget* mainWindow);
};
