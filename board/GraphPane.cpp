// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphPane.h"

#include "GraphPart.h"
#include "Zoom.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLibrary>
#include <QStringList>
#include <QVBoxLayout>

namespace {

QString CannotLoad(const QString& file) {
    return QStringLiteral("グラフを表示できません（グラフ部品 %1 を読み込めませんでした）")
        .arg(QDir::toNativeSeparators(file));
}

// Where the library may lie: the file the environment names, or else beside
// the program (the build tree) and in its private library folder (installed).
QStringList Candidates() {
    const QString named = qEnvironmentVariable(kGraphLibraryVariable);
    if (!named.isEmpty()) {
        return {named};
    }
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString name = QLatin1String(kGraphLibraryName);
    return {dir.filePath(name), dir.filePath(QStringLiteral("../lib/vorantel/") + name)};
}

} // namespace

namespace {

TGraphPart* loaded = nullptr;
long long loadNs = 0;

} // namespace

TGraphPart* LoadGraphPart(QString* why) {
    if (loaded != nullptr) {
        return loaded;
    }
    QElapsedTimer timer;
    timer.start();
    static const TGraphHost host{&ZoomPercent};
    const QStringList candidates = Candidates();
    QString failure = CannotLoad(candidates.first());
    for (const QString& file : candidates) {
        if (!QFileInfo::exists(file)) {
            continue;
        }
        QLibrary library(file);
        const auto entry = reinterpret_cast<TGraphPartEntry>(library.resolve(kGraphPartEntry));
        if (entry == nullptr) {
            qWarning("vorantel: %s", qUtf8Printable(library.errorString()));
            failure = CannotLoad(file);
            continue;
        }
        loaded = entry(kGraphPartVersion, &host);
        if (loaded != nullptr) {
            loadNs = timer.nsecsElapsed();
            return loaded; // the library stays loaded for the rest of the run
        }
        qWarning("vorantel: %s was made for another version of the program", qUtf8Printable(file));
        failure = CannotLoad(file);
    }
    if (why != nullptr) {
        *why = failure;
    }
    return nullptr;
}

long long GraphPartLoadNs() {
    return loadNs;
}

bool DrawGraph(QPainter& painter, const QRectF& area, const arith::TGraph& graph,
               const QFont& letters) {
    TGraphPart* part = LoadGraphPart();
    if (part == nullptr) {
        return false;
    }
    part->Paint(painter, area, graph, letters);
    return true;
}

TGraphPane::TGraphPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GraphPane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // As tall as the chart and its notes; a taller board gives its room to the working.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TGraphPane::SetGraph(const std::optional<arith::TGraph>& graph) {
    graph_ = graph;
    if (drawing_ != nullptr) {
        drawing_->SetGraph(graph);
    } else if (graph_ && isVisible()) {
        EnsureBuilt();
    }
}

bool TGraphPane::EnsureBuilt() {
    if (drawing_ == nullptr) {
        if (!graph_) {
            return true; // nothing to draw yet: the library waits for a graph
        }
        QString why;
        TGraphPart* part = LoadGraphPart(&why);
        if (part == nullptr) {
            if (failure_ == nullptr) {
                failure_ = new QLabel(this);
                failure_->setObjectName(QStringLiteral("GraphFailure"));
                failure_->setWordWrap(true);
                layout()->addWidget(failure_);
                JoinZoom(failure_);
            }
            failure_->setText(why);
            failure_->show();
            return false;
        }
        drawing_ = part->MakeView(this);
        QWidget* view = drawing_->Widget();
        drawing_->SetUsualChartHeight(usualHeight_);
        drawing_->SetChartHeight(chartHeight_);
        drawing_->SetGraph(graph_);
        if (failure_ != nullptr) {
            delete failure_;
            failure_ = nullptr;
        }
        layout()->addWidget(view);
        JoinZoom(view);
        if (isVisible()) {
            view->show();
        }
    }
    drawing_->EnsureBuilt();
    return true;
}

QImage TGraphPane::Image() {
    return EnsureBuilt() && drawing_ != nullptr ? drawing_->Image() : QImage();
}

QByteArray TGraphPane::Svg() {
    return EnsureBuilt() && drawing_ != nullptr ? drawing_->Svg() : QByteArray();
}

void TGraphPane::SetChartHeight(int pixels) {
    chartHeight_ = pixels;
    if (drawing_ != nullptr) {
        drawing_->SetChartHeight(pixels);
    }
}

void TGraphPane::SetUsualChartHeight(int pixels) {
    usualHeight_ = pixels;
    if (drawing_ != nullptr) {
        drawing_->SetUsualChartHeight(pixels);
    }
}

int TGraphPane::ChartHeight() const {
    return drawing_ != nullptr ? drawing_->ChartHeight() : 0;
}

QString TGraphPane::Failure() const {
    return failure_ != nullptr ? failure_->text() : QString();
}

void TGraphPane::showEvent(QShowEvent* event) {
    if (graph_) {
        EnsureBuilt(); // a board that stays closed, or shows no graph, loads nothing
    }
    QWidget::showEvent(event);
}
