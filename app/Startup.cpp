// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "AnswerBoard.h"
#include "Fonts.h"
#include "ToolForm.h"
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

#include <cstring>

namespace {

constexpr char kQtTranslator[] = "QtTranslator";

} // namespace

void ConfigureApplication(QApplication& app) {
    // No display name: the window system would add it to every window title.
    QApplication::setApplicationName(QStringLiteral("Vorantel"));
    QIcon icon;
    for (const int size : {16, 32, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/vorantel.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
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

namespace {

template <typename Form> QWidget* Make(TMainForm* main) {
    return new Form(main);
}

// The windows the launcher opens, in start-up order.
constexpr struct {
    const char* ClassName;
    QWidget* (*Create)(TMainForm* main);
} kChildren[] = {
    {"TEnzanForm", &Make<TEnzanForm>},       {"TInsuuForm", &Make<TInsuuForm>},
    {"TRenrituForm", &Make<TRenrituForm>},   {"TNijiForm", &Make<TNijiForm>},
    {"TKojiForm", &Make<TKojiForm>},         {"TBibunForm", &Make<TBibunForm>},
    {"TSekibunForm", &Make<TSekibunForm>},   {"TVersionForm", &Make<TVersionForm>},
    {"TNaibunForm", &Make<TNaibunForm>},     {"TJunretuForm", &Make<TJunretuForm>},
    {"TSigmaForm", &Make<TSigmaForm>},       {"THuteiForm", &Make<THuteiForm>},
    {"TRenritu3Form", &Make<TRenritu3Form>},
};

// A tool window's calculations go into the launcher's history, for the answer board.
QWidget* Adopt(TMainForm* main, QWidget* window) {
    if (auto* tool = qobject_cast<ToolForm*>(window)) {
        QObject::connect(tool, &ToolForm::Calculated, &main->History(), &TBoardHistory::Add);
    }
    return window;
}

void ApplySavedZoom(TMainForm* main) {
    if (const int zoom = SavedZoomPercent(); zoom != 100) {
        main->SetZoom(zoom);
    }
}

} // namespace

TMainForm* CreateMainWindow() {
    auto* main = new TMainForm;
    ApplySavedZoom(main);
    return main;
}

TMainForm* CreateWindows() {
    auto* main = new TMainForm;
    for (const auto& child : kChildren) {
        Adopt(main, child.Create(main));
    }
    ApplySavedZoom(main);
    return main;
}

QWidget* CreateChildWindow(TMainForm* main, const char* className) {
    QWidget* window = nullptr;
    if (std::strcmp(className, "TAnswerBoard") == 0) {
        window = new TAnswerBoard(main, main->History());
    }
    for (const auto& child : kChildren) {
        if (std::strcmp(child.ClassName, className) == 0) {
            window = Adopt(main, child.Create(main));
        }
    }
    // Built at 100% like every window; scaled now to the zoom in force.
    if (window != nullptr && ZoomPercent() != 100) {
        ApplyZoom(window);
    }
    return window;
}
