// SPDX-License-Identifier: GPL-3.0-or-later
// The program opens with the launcher alone and makes every other window the
// first time it is shown: such a window must come out exactly as the one made
// at start-up by CreateWindows(), which the UI scripts test, at any zoom.
#include "Startup.h"
#include "VoranMain.h"
#include "WindowRegistry.h"
#include "Zoom.h"

#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString RectText(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What the zoom and the placement decide about a window: its frame, and the
// geometry, size limits and font of every control in it.
QStringList Layout(const QWidget* window) {
    QStringList lines{RectText(window->frameGeometry()) + QLatin1Char(' ') +
                      window->font().toString()};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        lines << QStringLiteral("%1 %2 %3 min=%4x%5 max=%6x%7 %8")
                     .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                          RectText(w->geometry()))
                     .arg(w->minimumWidth())
                     .arg(w->minimumHeight())
                     .arg(w->maximumWidth())
                     .arg(w->maximumHeight())
                     .arg(w->font().toString());
    }
    return lines;
}

QWidget* Child(TMainForm* main, const char* name) {
    return main->findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// Opens the program as it starts with `zoom` remembered, shows every window
// and returns the layouts of all of them.
QList<QStringList> OpenAll(TMainForm* (*create)(), int zoom) {
    SetZoomPercent(100);
    QSettings().setValue(QStringLiteral("view/zoom"), zoom);
    std::unique_ptr<TMainForm> main(create());
    main->show();
    QList<QStringList> layouts;
    for (const TWindowEntry& window : Windows()) {
        main->ShowChild(window.Class);
        layouts << Layout(Child(main.get(), window.Class));
    }
    // And back to 100%: the windows made at a zoom scale back to their own layout.
    main->SetZoom(100);
    for (const TWindowEntry& window : Windows()) {
        layouts << Layout(Child(main.get(), window.Class));
    }
    return layouts;
}

TEST(FirstShown, WindowsMatchThoseMadeAtStartUpAtEveryZoom) {
    for (const int zoom : {100, 150, 300}) {
        const QList<QStringList> atStart = OpenAll(&CreateWindows, zoom);
        const QList<QStringList> onDemand = OpenAll(&CreateMainWindow, zoom);
        ASSERT_EQ(atStart.size(), onDemand.size());
        for (qsizetype i = 0; i < atStart.size(); ++i) {
            EXPECT_EQ(atStart[i].join(QLatin1Char('\n')).toStdString(),
                      onDemand[i].join(QLatin1Char('\n')).toStdString())
                << "zoom " << zoom << "%, "
                << Windows()[static_cast<std::size_t>(i) % Windows().size()].Class;
        }
    }
}

TEST(FirstShown, EachWindowIsMadeOnceAndOnlyWhenShown) {
    SetZoomPercent(100);
    QSettings().clear();
    std::unique_ptr<TMainForm> main(CreateMainWindow());
    main->show();
    const auto windows = [&main] {
        QStringList names;
        for (const QWidget* w : main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isWindow()) {
                names << w->objectName();
            }
        }
        return names.join(QLatin1Char(' ')).toStdString();
    };
    EXPECT_EQ(windows(), "");
    main->ShowChild("TNijiForm");
    main->ShowChild("TNijiForm"); // shown already: brought to the front
    main->ShowChild("TNoSuchForm");
    EXPECT_EQ(windows(), "TNijiForm");
    EXPECT_TRUE(Child(main.get(), "TNijiForm")->isVisible());
    // Closed and shown again, it is the same window, fields and all.
    Child(main.get(), "TNijiForm")->findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText("3");
    Child(main.get(), "TNijiForm")->close();
    main->ShowChild("TVersionForm");
    main->ShowChild("TNijiForm");
    EXPECT_EQ(windows(), "TNijiForm TVersionForm");
    EXPECT_TRUE(Child(main.get(), "TNijiForm")->isVisible());
    EXPECT_EQ(
        Child(main.get(), "TNijiForm")->findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(),
        QStringLiteral("3"));
}

// The answer board opens beside the launcher, and a later run opens it where
// and as large as the user left it.
TEST(AnswerBoard, OpensBesideTheLauncherAndWhereItWasLeft) {
    SetZoomPercent(100);
    QSettings().clear();
    QRect left;
    {
        std::unique_ptr<TMainForm> main(CreateMainWindow());
        main->show();
        main->ShowChild("TAnswerBoard");
        QWidget* board = Child(main.get(), "TAnswerBoard");
        ASSERT_NE(board, nullptr);
        EXPECT_FALSE(board->frameGeometry().intersects(main->frameGeometry()));
        board->setGeometry(board->geometry().adjusted(-20, 10, -60, -40));
        left = board->geometry();
        main->close();
    }
    std::unique_ptr<TMainForm> main(CreateMainWindow());
    main->show();
    main->ShowChild("TAnswerBoard");
    EXPECT_EQ(RectText(Child(main.get(), "TAnswerBoard")->geometry()).toStdString(),
              RectText(left).toStdString());
}

} // namespace

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    // Settings of their own, so the zoom these tests remember stays here.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ConfigureApplication(app);
    return RUN_ALL_TESTS();
}
