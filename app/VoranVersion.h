// The version dialog.
#pragma once

#include <QWidget>

class TVersionForm : public QWidget {
    Q_OBJECT

public:
    explicit TVersionForm(QWidget* mainWindow);

protected:
    // Escape closes the dialog as OK does.
    void keyPressEvent(QKeyEvent* event) override;
};
