// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranVersion.h"

#include "Fonts.h"
#include "Placement.h"
#include "Zoom.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

QLabel* AddLine(QWidget* frame, const QString& text, int y, const QFont& font) {
    auto* label = new QLabel(text, frame);
    label->setFont(font);
    label->setGeometry(0, y, frame->width(), QFontMetrics(font).height() + 4);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

} // namespace

TVersionForm::TVersionForm(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TVersionForm"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    // The standard font, set on the dialog itself as on every other window:
    // under a zoom the application's font is the zoomed one, and a dialog
    // created then must still start from the 100% font that the zoom scales.
    setFont(GothicFont(12));
    setFixedSize(209, 143);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(8, 8, 193, 97);

    QLabel* version = AddLine(frame, QStringLiteral("Vorantel   Ver 2.08"), 12, CenturyFont(19));
    version->setObjectName(QStringLiteral("VersionLabel"));
    AddLine(frame, QStringLiteral("高校数学の厳密計算"), 48, GothicFont(12))
        ->setObjectName(QStringLiteral("Label1"));
    AddLine(frame, QStringLiteral("Qt 6 / C++20"), 68, GothicFont(12))
        ->setObjectName(QStringLiteral("Label2"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setGeometry((209 - 75) / 2, 112, 75, 25);
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    PlaceOnScreen();
    MakeZoomable(this);
}

void TVersionForm::PlaceOnScreen() {
    const QWidget* mainWindow = parentWidget();
    const QScreen* screen = ScreenOf(mainWindow);
    const QRect area = screen->geometry();
    const QRect outer = OuterRect(this, QPoint(), FrameMargins(mainWindow));
    MoveOnScreen(this,
                 QPoint(area.left() + (area.width() - outer.width()) / 2,
                        area.top() + (area.height() - outer.height()) / 2),
                 screen, FrameMargins(mainWindow));
}

void TVersionForm::setVisible(bool visible) {
    // Placed before the dialog exists on the window system, so that the
    // window manager puts the frame, not the inside, at the place.
    if (visible && !placed_) {
        placed_ = true;
        PlaceOnScreen();
    }
    QWidget::setVisible(visible);
}

void TVersionForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}
