// SPDX-License-Identifier: GPL-3.0-or-later
// Times the answer board's slowest entries: for each case the real window
// calculates with the board open, and the figure is the time from the click
// to the board painted with the new entry (everything between runs on the
// GUI thread, so it is also the longest the event loop waits), then the time
// that copying its whole working takes. A message box that a case opens is
// closed at once (its wait is in the figure, at most one timer tick).
//   QT_QPA_PLATFORM=offscreen vorantel_board_bench [REPEATS [CASE-PREFIX]]
// Prints one line per case: the slowest and the fastest of the repeats, in ms,
// and the length of the working shown and copied.
#include "AnswerBoard.h"
#include "Integer.h"
#include "Startup.h"
#include "VoranMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using arith::TInteger;

namespace {

// A field and its text, or (Text empty) a button to click before the calculation.
struct TInput {
    std::string Name;
    std::string Text;
};

struct TCase {
    std::string Name;
    const char* Window;
    const char* Button;
    std::vector<TInput> Inputs;
};

// A number of `digits` digits, the same in every run.
std::string Digits(std::mt19937_64& random, std::size_t digits, bool negative = false) {
    std::string text = negative ? "-" : "";
    text += static_cast<char>('1' + random() % 9);
    while (text.size() < digits + (negative ? 1 : 0)) {
        text += static_cast<char>('0' + random() % 10);
    }
    return text;
}

// The first consecutive Fibonacci numbers F(k + 1) > F(k) of 500 digits: the
// longest Euclidean algorithm there is within the limit.
std::pair<std::string, std::string> Fibonacci500() {
    TInteger small = 1;
    TInteger large = 1;
    while (true) {
        TInteger next = small + large;
        if (next.Digits() > arith::kMaxAnswerDigits) {
            return {large.Text(), small.Text()};
        }
        small = std::move(large);
        large = std::move(next);
    }
}

std::vector<TCase> Cases() {
    std::mt19937_64 random(31);
    const auto d = [&random](std::size_t digits, bool negative = false) {
        return Digits(random, digits, negative);
    };
    const auto [f1, f0] = Fibonacci500();
    std::vector<TCase> cases = {
        {"hutei_fibonacci500_all",
         "THuteiForm",
         "CalcButton",
         {{"PlusItem", ""}, {"AllRadio", ""}, {"xEdit", f1}, {"yEdit", f0}, {"zEdit", "1"}}},
        {"hutei_fibonacci500_one_minus",
         "THuteiForm",
         "CalcButton",
         {{"MinusItem", ""}, {"OneRadio", ""}, {"xEdit", f1}, {"yEdit", f0}, {"zEdit", d(500)}}},
        {"hutei_random500_c1",
         "THuteiForm",
         "CalcButton",
         {{"PlusItem", ""},
          {"AllRadio", ""},
          {"xEdit", d(500)},
          {"yEdit", d(499) + "1"},
          {"zEdit", "1"}}},
        {"hutei_random500_c500",
         "THuteiForm",
         "CalcButton",
         {{"PlusItem", ""},
          {"AllRadio", ""},
          {"xEdit", d(500)},
          {"yEdit", d(500)},
          {"zEdit", d(500)}}},
        {"hutei_nines",
         "THuteiForm",
         "CalcButton",
         {{"PlusItem", ""},
          {"OneRadio", ""},
          {"xEdit", "3"},
          {"yEdit", "5"},
          {"zEdit", std::string(500, '9')}}},
    };
    const char* enzanButtons[] = {"MulSButton", "DivSButton",   "GcdSButton",
                                  "LcmSButton", "PowerSButton", "EnterSButton"};
    for (const char* button : enzanButtons) {
        TCase c{std::string("enzan_") + button, "TEnzanForm", button, {}};
        const bool power = std::string(button) == "PowerSButton";
        for (int i = 5; i >= 0; --i) {
            c.Inputs.push_back({"EditF" + std::to_string(i), d(power ? 40 : 250, i % 2 == 1)});
            c.Inputs.push_back(
                {"EditG" + std::to_string(i), power ? (i == 0 ? "2" : "0") : d(250, i % 3 == 0)});
        }
        cases.push_back(std::move(c));
    }
    cases.push_back({"insuu_degree4_125digits", "TInsuuForm", "CalcButton", {}});
    for (int i = 4; i >= 0; --i) {
        cases.back().Inputs.push_back({"Edit" + std::to_string(i), d(125, i % 2 == 0)});
    }
    cases.push_back({"niji_500digits",
                     "TNijiForm",
                     "CalcButton",
                     {{"Edit2", d(500)}, {"Edit1", d(500, true)}, {"Edit0", d(500, true)}}});
    cases.push_back({"koji_500digits", "TKojiForm", "CalcButton", {}});
    for (int i = 4; i >= 0; --i) {
        cases.back().Inputs.push_back({"Edit" + std::to_string(i), d(500, i % 2 == 1)});
    }
    cases.push_back({"renritu_240digits", "TRenrituForm", "CalcButton", {}});
    for (const char* field : {"EditX1", "EditY1", "EditA1", "EditX2", "EditY2", "EditA2"}) {
        cases.back().Inputs.push_back({field, d(240) + "/" + d(10)});
    }
    cases.push_back({"renritu3_160digits", "TRenritu3Form", "CalcButton", {}});
    for (const char* row : {"1", "2", "3"}) {
        for (const char* letter : {"X", "Y", "Z", "A"}) {
            cases.back().Inputs.push_back(
                {std::string("Edit") + letter + row, d(160, *row == '2')});
        }
    }
    for (const char* mode : {"RadioKeisuu", "RadioSessen", "RadioKyokuchi"}) {
        cases.push_back({std::string("bibun_") + mode, "TBibunForm", "CalcButton", {{mode, ""}}});
        for (int i = 4; i >= 0; --i) {
            cases.back().Inputs.push_back({"Edit" + std::to_string(i), d(120, i % 2 == 0)});
        }
        cases.back().Inputs.push_back({"EditX", d(100) + "/" + d(20)});
    }
    cases.push_back({"sekibun_100digits",
                     "TSekibunForm",
                     "CalcButton",
                     {{"Jotan", d(80)}, {"Katan", d(80, true)}}});
    for (int i = 5; i >= 0; --i) {
        cases.back().Inputs.push_back({"Edit" + std::to_string(i), d(60) + "/" + d(30)});
    }
    cases.push_back({"sigma_n2_60digits",
                     "TSigmaForm",
                     "CalcButton",
                     {{"kBeginEdit", d(60)}, {"kEndEdit", "n^2"}}});
    for (int i = 3; i >= 0; --i) {
        cases.back().Inputs.push_back({"Edit" + std::to_string(i), d(60) + "/" + d(40)});
    }
    cases.push_back({"naibun_500digits",
                     "TNaibunForm",
                     "CalcButton",
                     {{"RadioGaibun", ""},
                      {"EditX1", d(500)},
                      {"EditY1", d(500, true)},
                      {"EditX2", d(500, true)},
                      {"EditY2", d(500)},
                      {"EditM", d(200)},
                      {"EditN", d(200)}}});
    cases.push_back({"junretu_factorial", "TJunretuForm", "KaijoButton", {{"KaijoEdit", "253"}}});
    cases.push_back({"junretu_combinations",
                     "TJunretuForm",
                     "CButton",
                     {{"C1Edit", "1700"}, {"C2Edit", "850"}}});
    return cases;
}

template <typename T> T* Child(QWidget* window, const std::string& name) {
    return window->findChild<T*>(QString::fromStdString(name));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ConfigureApplication(app);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string only = argc > 2 ? argv[2] : "";

    TMainForm* main = CreateMainWindow();
    main->show();
    main->ShowChild("TAnswerBoard");
    auto* board = main->findChild<TAnswerBoard*>();
    QTimer closer; // closes a warning or error box as soon as it is open
    QObject::connect(&closer, &QTimer::timeout, &app, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    closer.start(10);
    QApplication::processEvents();

    std::printf("%-36s %9s %9s %9s %10s %10s\n", "case", "max ms", "min ms", "copy ms", "shown",
                "copied");
    for (const TCase& c : Cases()) {
        if (c.Name.rfind(only, 0) != 0) {
            continue;
        }
        main->ShowChild(c.Window);
        QWidget* window = main->findChild<QWidget*>(QString::fromLatin1(c.Window));
        for (const TInput& input : c.Inputs) {
            if (input.Text.empty()) {
                Child<QAbstractButton>(window, input.Name)->click();
            } else {
                Child<QLineEdit>(window, input.Name)->setText(QString::fromStdString(input.Text));
            }
        }
        QApplication::processEvents();
        qint64 slowest = 0;
        qint64 fastest = -1;
        for (int r = 0; r < repeats; ++r) {
            QElapsedTimer clock;
            clock.start();
            Child<QAbstractButton>(window, c.Button)->click();
            QApplication::processEvents();
            (void)board->grab();
            const qint64 ms = clock.elapsed();
            slowest = std::max(slowest, ms);
            fastest = fastest < 0 ? ms : std::min(fastest, ms);
        }
        const TBoardEntry* entry = board->Shown();
        const auto& working = entry->Math().Working;
        const std::size_t shown = working ? arith::MathToUnicode(*working).size() : 0;
        QElapsedTimer clock;
        clock.start();
        board->CopyWorkingUnicode();
        const qint64 copy = clock.elapsed();
        const auto copied = static_cast<std::size_t>(QGuiApplication::clipboard()->text().size());
        std::printf("%-36s %9lld %9lld %9lld %10zu %10zu\n", c.Name.c_str(),
                    static_cast<long long>(slowest), static_cast<long long>(fastest),
                    static_cast<long long>(copy), shown, working ? copied : 0);
        std::fflush(stdout);
    }
    return 0;
}
