// The window "内分・外分" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TNaibunForm : public ToolForm {
    Q_OBJECT

public:
    explicit TNaibunForm(QWidget* mainWindow);
};
