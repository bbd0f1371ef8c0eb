// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace {

constexpr char kQtTranslator[] = "QtTranslator";

} // namespace

void ConfigureApplication(QApplication& app) {
    // No display name: the window system would add it to every window title.
    QApplication::setApplicationName(QStringLiteral("Vorantel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vorantel.svg")));
    // Ties the windows to the desktop entry that launched them (Wayland's app id).
    QApplication::setDesktopFileName(QStringLiteral("org.example.Vorantel"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(GothicFont(12));
    QApplication::setOrganizationName(QStringLiteral("Vorantel")); // where QSettings keep the zoom
    InstallQtTranslation(QLocale::system());
    app.setQuitOnLastWindowClosed(false); // only the main window's close ends the program
}

bool InstallQtTranslation(const QLocale& locale) {
    QCoreApplication* app = QCoreApplication::instance();
    for (auto* old : app->findChildren<QTranslator*>(QLatin1String(kQtTranslator),
                                                     Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(app);
    translator->setObjectName(QLatin1String(kQtTranslator));
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
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
