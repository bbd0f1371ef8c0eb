// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "AnswerBoard.h"
#include "Fonts.h"
#include "VoranMain.h"
#include "WindowRegistry.h"
#include "Zoom.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTranslator>

#include <algorithm>
#include <vector>

namespace {

constexpr char kQtTranslator[] = "QtTranslator";

} // namespace

void ConfigureApplication(QApplication& app, bool qtTexts) {
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
    if (qtTexts) {
        InstallQtTranslation(QLocale::system());
    }
    app.setQuitOnLastWindowClosed(false); // only the main window's close ends the program
}

void WithoutImagePlugins(const std::function<void()>& work) {
    const QStringList pluginFolders = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    work();
    QCoreApplication::setLibraryPaths(pluginFolders);
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

void ApplySavedZoom(TMainForm* main) {
    if (const int zoom = SavedZoomPercent(); zoom != 100) {
        main->SetZoom(zoom);
    }
}

// The history is kept in the user's data folder.
void KeepHistory(TMainForm* main) {
    main->History().UseFile(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                QStringLiteral("/history.jsonl"),
                            &RemakeEntry);
}

} // namespace

TMainForm* CreateMainWindow() {
    auto* main = new TMainForm;
    KeepHistory(main);
    ApplySavedZoom(main);
    return main;
}

TMainForm* CreateWindows() {
    auto* main = new TMainForm;
    KeepHistory(main);
    std::vector<const TWindowEntry*> order;
    for (const TWindowEntry& entry : Windows()) {
        order.push_back(&entry);
    }
    std::sort(order.begin(), order.end(), [](const TWindowEntry* a, const TWindowEntry* b) {
        return a->StartOrder < b->StartOrder;
    });
    for (const TWindowEntry* entry : order) {
        CreateChildWindow(main, main->History(), entry->Class);
    }
    ApplySavedZoom(main);
    return main;
}
