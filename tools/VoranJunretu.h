// The window "順列・組合せ" (not built yet: an empty window with its caption).
#pragma once

#include "ToolForm.h"

class TJunretuForm : public ToolForm {
    Q_OBJECT

public:
    explicit TJunretuForm(QWidget* mainWindow);
};
