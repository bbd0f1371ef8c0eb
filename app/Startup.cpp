#include "Startup.h"

#include "Fonts.h"
#include "VoranBibun.h"
#include "VoranEnzan.h"
#include "VoranHutei.h"
#include "VoranInsuu.h"
#include "VoranJunretu.h"
#include "VoranKoji.h"
#include "VoranMain.h"
#include "VoranNaibun.h"
#include "VoranNiji.h"
#include "VoranRenritu.h"
#include "VoranRenritu3.h"
#include "VoranSekibun.h"
#include "VoranSigma.h"
#include "VoranVersion.h"
#include "Zoom.h"

#include <QApplication>
#include <QStyleFactory>

void ConfigureApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vorantel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorantel"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(GothicFont(12));
    QApplication::setOrganizationName(QStringLiteral("Vorantel")); // where QSettings keep the zoom
    app.setQuitOnLastWindowClosed(false); // only the main window's close ends the program
}

TMainForm* CreateWindows() {
    auto* main = new TMainForm;
    new TEnzanForm(main);
    new TInsuuForm(main);
    new TRenrituForm(main);
    new TNijiForm(main);
    new TKojiForm(main);
    new TBibunForm(main);
    new TSekibunForm(main);
    new TVersionForm(main);
    new TNaibunForm(main);
    new TJunretuForm(main);
    new TSigmaForm(main);
    new THuteiForm(main);
    new TRenritu3Form(main);
    if (const int zoom = SavedZoomPercent(); zoom != 100) {
        main->SetZoom(zoom);
    }
    return main;
}
