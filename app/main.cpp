#include "Startup.h"
#include "VoranMain.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ConfigureApplication(app);
    std::unique_ptr<TMainForm> main(CreateWindows());
    main->show();
    return QApplication::exec();
}
