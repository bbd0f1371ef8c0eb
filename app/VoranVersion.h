// SPDX-License-Identifier: GPL-3.0-or-later
// The version dialog.
#pragma once

#include <QWidget>

class TVersionForm : public QWidget {
    Q_OBJECT

public:
    explicit TVersionForm(QWidget* mainWindow);

    void setVisible(bool visible) override;

protected:
    // Escape closes the dialog as OK does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Centres the dialog on the main window's screen, kept whole on its free
    // area: once at creation and for good when the dialog is first shown.
    void PlaceOnScreen();

    bool placed_ = false;
};
