// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageBoxHook boxHook = nullptr;

void ShowBox(QMessageBox::Icon icon, const QString& caption, const QString& text, QWidget* parent) {
    if (boxHook != nullptr) {
        boxHook(caption, text);
        return;
    }
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void WarningBox(const QString& text, QWidget* parent) {
    ShowBox(QMessageBox::Warning, QStringLiteral("警告"), text, parent);
}

void ErrorBox(const QString& text, QWidget* parent) {
    ShowBox(QMessageBox::Critical, QStringLiteral("Vorantel"), text + QLatin1Char('.'), parent);
}

void NoticeBox(const QString& text, QWidget* parent) {
    ShowBox(QMessageBox::Information, QStringLiteral("Vorantel"), text, parent);
}

bool QuestionBox(const QString& text, QWidget* parent) {
    if (boxHook != nullptr) {
        boxHook(QStringLiteral("Vorantel"), text);
        return false;
    }
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vorantel"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void SetMessageBoxHook(MessageBoxHook hook) {
    boxHook = hook;
}
