// The window "整式の四則演算" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TEnzanForm : public ToolForm {
    Q_OBJECT

public:
    explicit TEnzanForm(QWidget* mainWindow);
};
