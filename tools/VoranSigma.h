// The window "∑" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TSigmaForm : public ToolForm {
    Q_OBJECT

public:
    explicit TSigmaForm(QWidget* mainWindow);
};
