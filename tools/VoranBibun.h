// The window "微分" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TBibunForm : public ToolForm {
    Q_OBJECT

public:
    explicit TBibunForm(QWidget* mainWindow);
};
