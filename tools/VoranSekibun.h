// The window "定積分" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TSekibunForm : public ToolForm {
    Q_OBJECT

public:
    explicit TSekibunForm(QWidget* mainWindow);
};
