// SPDX-License-Identifier: GPL-3.0-or-later
// The window "順列・組合せ": n!, nPr and nCr as long decimal integers, written
// in full up to 500 digits and as "overflow" beyond.
#pragma once

#include "Counting.h"
#include "ToolForm.h"
#include "Working.h"

class QLineEdit;

class TJunretuForm : public ToolForm {
    Q_OBJECT

public:
    explicit TJunretuForm(QWidget* mainWindow);

private:
    // Writes a count into its answer field (after its warning, "answer"), and
    // hands the answer board the count and how it is reached.
    void Show(QLineEdit* answer, arith::TOutcome<arith::TCount> count, arith::TCountKind kind,
              const arith::TInteger& n, const arith::TInteger& r);

    void ClearButtonClick();
    void ClearFields();

    QLineEdit* KaijoEdit = nullptr;
    QLineEdit* P1Edit = nullptr;
    QLineEdit* P2Edit = nullptr;
    QLineEdit* C1Edit = nullptr;
    QLineEdit* C2Edit = nullptr;
    QLineEdit* AnsKaijoEdit = nullptr;
    QLineEdit* AnsPEdit = nullptr;
    QLineEdit* AnsCEdit = nullptr;
};
