// The window "不定方程式" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class THuteiForm : public ToolForm {
    Q_OBJECT

public:
    explicit THuteiForm(QWidget* mainWindow);
};
