// The window "順列・組合せ": n!, nPr and nCr as long decimal integers, written
// in full up to 500 digits and as "overflow" beyond.
#pragma once

#include "ToolForm.h"

#include <string>

class QLineEdit;

class TJunretuForm : public ToolForm {
    Q_OBJECT

public:
    explicit TJunretuForm(QWidget* mainWindow);

private:
    // Each takes the field texts and gives the answer text, after the warning
    // "入力が間違っています" the text "answer".
    std::string FactorialText(const std::string& n);
    std::string PermutationsText(const std::string& n, const std::string& r);
    std::string CombinationsText(const std::string& n, const std::string& r);

    void ClearButtonClick();
    void ClearFields();

    QLineEdit* KaijoEdit;
    QLineEdit* P1Edit;
    QLineEdit* P2Edit;
    QLineEdit* C1Edit;
    QLineEdit* C2Edit;
    QLineEdit* AnsKaijoEdit;
    QLineEdit* AnsPEdit;
    QLineEdit* AnsCEdit;
};
