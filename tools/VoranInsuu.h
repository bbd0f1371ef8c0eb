// The window "因数分解" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TInsuuForm : public ToolForm {
    Q_OBJECT

public:
    explicit TInsuuForm(QWidget* mainWindow);
};
