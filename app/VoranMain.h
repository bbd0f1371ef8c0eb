// The launcher: twelve tool buttons, Exit, and the menu bar.
#pragma once

#include <QMainWindow>

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    // Shows the named child window (a tool window or the version dialog)
    // modeless, or brings it to the front when it is already visible.
    void ShowChild(const char* className);

    // Scales every window to percent (100 to 300) and lays them out again.
    void SetZoom(int percent);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Centres the window at the top of the screen and puts each tool window
    // below it, by the outer size the window has once it is on screen.
    void PlaceWindows();
    // The 表示(V) menu: zoom in, zoom out and back to 100%, with shortcuts
    // that work in every window of the program.
    void BuildViewMenu();

    bool placed_ = false;
};
