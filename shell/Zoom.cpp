// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zoom.h"

#include <QApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QSettings>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Where each widget's 100% layout is kept, as dynamic properties, and where
// the program keeps its zoom (on the application object, so nothing global
// of our own holds state).
constexpr const char* kBaseGeometry = "zoomBaseGeometry";
constexpr const char* kBaseFont = "zoomBaseFont";
constexpr const char* kBaseFixed = "zoomBaseFixed";
constexpr const char* kZoomable = "zoomable";
constexpr const char* kPercent = "zoomPercent";
constexpr const char* kAppFont = "zoomBaseAppFont";
constexpr const char* kSettingsKey = "view/zoom";

double Factor() {
    return ZoomPercent() / 100.0;
}

int Scale(int pixels, double factor) {
    return static_cast<int>(std::lround(pixels * factor));
}

QFont Scaled(QFont font, double factor) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(Scale(font.pixelSize(), factor));
    } else if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

QRect Scaled(const QRect& r, double factor) {
    return {Scale(r.x(), factor), Scale(r.y(), factor), Scale(r.width(), factor),
            Scale(r.height(), factor)};
}

// The style's indicators, icons and spacings grow with the text.
class TZoomStyle : public QProxyStyle {
public:
    explicit TZoomStyle(double factor)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), factor_(factor) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_ButtonIconSize:
        case PM_SmallIconSize:
        case PM_MenuBarVMargin:
        case PM_MenuBarHMargin:
        case PM_MenuBarItemSpacing:
            return Scale(base, factor_);
        default:
            return base;
        }
    }

private:
    double factor_;
};

// Records the 100% layout of w the first time the zoom touches it.
void RecordBase(QWidget* w) {
    if (w->property(kBaseGeometry).isValid()) {
        return;
    }
    w->setProperty(kBaseGeometry, w->geometry());
    w->setProperty(kBaseFont, w->font());
    w->setProperty(kBaseFixed, w->minimumSize() == w->maximumSize());
}

void ScaleWidget(QWidget* w, double factor) {
    RecordBase(w);
    const QRect base = w->property(kBaseGeometry).toRect();
    const QRect scaled = Scaled(base, factor);
    w->setFont(Scaled(w->property(kBaseFont).value<QFont>(), factor));
    if (w->property(kBaseFixed).toBool()) {
        w->setFixedSize(scaled.size());
    }
    if (!w->isWindow()) {
        w->setGeometry(scaled);
    }
    // Rounded text can be a pixel wider than the rounded label.
    if (auto* label = qobject_cast<QLabel*>(w); label && label->sizeHint().width() > w->width()) {
        w->resize(label->sizeHint().width(), w->height());
    }
}

} // namespace

int ZoomPercent() {
    const QVariant percent = qApp->property(kPercent);
    return percent.isValid() ? percent.toInt() : 100;
}

int SavedZoomPercent() {
    bool ok = false;
    const int saved = QSettings().value(QLatin1String(kSettingsKey), 100).toInt(&ok);
    return ok && std::find(std::begin(kZoomSteps), std::end(kZoomSteps), saved) !=
                       std::end(kZoomSteps)
               ? saved
               : 100;
}

int NextZoomStep(int percent, int direction) {
    const int* step = std::find(std::begin(kZoomSteps), std::end(kZoomSteps), percent);
    if (step == std::end(kZoomSteps)) {
        return 100;
    }
    if (direction > 0 && step + 1 != std::end(kZoomSteps)) {
        return *(step + 1);
    }
    if (direction < 0 && step != std::begin(kZoomSteps)) {
        return *(step - 1);
    }
    return percent;
}

void SetZoomPercent(int percent) {
    // The nearest step, so a hand-edited setting cannot produce an odd zoom.
    const int* nearest =
        std::min_element(std::begin(kZoomSteps), std::end(kZoomSteps), [percent](int a, int b) {
            return std::abs(a - percent) < std::abs(b - percent);
        });
    percent = *nearest;
    if (!qApp->property(kAppFont).isValid()) {
        qApp->setProperty(kAppFont, QApplication::font());
    }
    qApp->setProperty(kPercent, percent);
    QSettings().setValue(QLatin1String(kSettingsKey), percent);

    const double factor = Factor();
    if (percent == 100) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    } else {
        QApplication::setStyle(new TZoomStyle(factor));
    }
    // The windows first, while their fonts still resolve to the 100% ones.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->property(kZoomable).toBool()) {
            ApplyZoom(window);
        }
    }
    const QFont appFont = Scaled(qApp->property(kAppFont).value<QFont>(), factor);
    QApplication::setFont(appFont); // message boxes and menus
    QToolTip::setFont(appFont);
}

void MakeZoomable(QWidget* window) {
    window->setProperty(kZoomable, true);
}

void ApplyZoom(QWidget* window) {
    QList<QWidget*> widgets{window};
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->window() == window) { // not the controls of a child window
            widgets.append(child);
        }
    }
    // Every 100% font is taken before any is scaled, as most are inherited.
    for (QWidget* w : widgets) {
        RecordBase(w);
    }
    for (QWidget* w : widgets) {
        ScaleWidget(w, Factor());
    }
}

void JoinZoom(QWidget* child) {
    const QWidget* parent = child->parentWidget();
    if (parent == nullptr || !parent->property(kBaseGeometry).isValid()) {
        return; // the window is still at its first layout, recorded when first scaled
    }
    const double back = 1.0 / Factor();
    QList<QWidget*> widgets{child};
    widgets += child->findChildren<QWidget*>(); // each after its parent
    for (QWidget* w : widgets) {
        if (w->property(kBaseGeometry).isValid()) {
            continue;
        }
        w->setProperty(kBaseGeometry, Scaled(w->geometry(), back));
        w->setProperty(kBaseFont, w->testAttribute(Qt::WA_SetFont)
                                      ? QVariant(Scaled(w->font(), back))
                                      : w->parentWidget()->property(kBaseFont));
        w->setProperty(kBaseFixed, w->minimumSize() == w->maximumSize());
    }
}

int Zoomed(int pixels) {
    return Scale(pixels, Factor());
}
