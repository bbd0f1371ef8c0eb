// SPDX-License-Identifier: GPL-3.0-or-later
// Times the answer board's slowest entries: for each case the real window
// calculates with the board open, and the figure is the time from the click
// to the board painted with the new entry (everything between runs on the
// GUI thread, so it is also the longest the event loop waits), then the time
// that copying its whole working takes. A message box that a case opens is
// closed at once (its wait is in the figure, at most one timer tick).
//   QT_QPA_PLATFORM=offscreen vorantel_board_bench [REPEATS [CASE-PREFIX]]
// Prints one line per case: the slowest and the fastest of the repeats and
// the longest single wait of the event loop (the click, one event, the
// painting) in any of them, in ms,
// the length of the working shown and copied, and the message the case
// stopped on, if any.
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
    // The four operations: the digits of f's and g's coefficients (0: g = 2),
    // and g's degree.
    const struct {
        const char* Button;
        std::size_t F, G;
        int GDegree;
    } enzan[] = {{"MulSButton", 250, 250, 5}, {"DivSButton", 250, 40, 5},
                 {"GcdSButton", 12, 12, 5},   {"LcmSButton", 12, 12, 5},
                 {"PowerSButton", 40, 0, 0},  {"EnterSButton", 40, 20, 2}};
    for (const auto& op : enzan) {
        TCase c{std::string("enzan_") + op.Button, "TEnzanForm", op.Button, {}};
        for (int i = 5; i >= 0; --i) {
            c.Inputs.push_back({"EditF" + std::to_string(i), d(op.F, i % 2 == 1)});
            const std::string g = i > op.GDegree ? "0"
                                  : op.G == 0    ? (i == 0 ? "2" : "0")
                                                 : d(op.G, i % 3 == 0);
            c.Inputs.push_back({"EditG" + std::to_string(i), g});
        }
        cases.push_back(std::move(c));
    }
    // Coefficient fields Edit<top> ... Edit0 of `digits` digits.
    const auto coefficients = [&d](TCase& c, int top, std::size_t digits) {
        for (int i = top; i >= 0; --i) {
            c.Inputs.push_back({"Edit" + std::to_string(i), d(digits, i % 2 == 1)});
        }
    };
    cases.push_back({"insuu_degree4_125digits", "TInsuuForm", "CalcButton", {}});
    coefficients(cases.back(), 4, 125);
    cases.push_back({"niji_240digits", "TNijiForm", "CalcButton", {}});
    coefficients(cases.back(), 2, 240);
    // A radicand of 40 digits, two primes near 10^20, that only a complete factoring settles.
    cases.push_back(
        {"niji_40digit_radicand",
         "TNijiForm",
         "CalcButton",
         {{"Edit2", "1"}, {"Edit1", "0"}, {"Edit0", "-9999999800100001012999999860047000004371"}}});
    cases.push_back({"koji_quartic_120digits", "TKojiForm", "CalcButton", {}});
    coefficients(cases.back(), 4, 120);
    // Linear systems: the largest answers, and the largest that keep their working.
    for (const std::size_t digits : {240, 120}) {
        cases.push_back(
            {"renritu_" + std::to_string(digits) + "digits", "TRenrituForm", "CalcButton", {}});
        for (const char* field : {"EditX1", "EditY1", "EditA1", "EditX2", "EditY2", "EditA2"}) {
            cases.back().Inputs.push_back({field, d(digits, field[4] == 'A')});
        }
    }
    for (const std::size_t digits : {150, 80}) {
        cases.push_back(
            {"renritu3_" + std::to_string(digits) + "digits", "TRenritu3Form", "CalcButton", {}});
        for (const char* row : {"1", "2", "3"}) {
            for (const char* letter : {"X", "Y", "Z", "A"}) {
                cases.back().Inputs.push_back(
                    {std::string("Edit") + letter + row, d(digits, *row == '2')});
            }
        }
    }
    for (const char* mode : {"RadioKeisuu", "RadioSessen", "RadioKyokuchi"}) {
        cases.push_back({std::string("bibun_") + mode, "TBibunForm", "CalcButton", {{mode, ""}}});
        coefficients(cases.back(), 4, 100);
        if (std::string(mode) == "RadioKyokuchi") { // extrema of a cubic only
            cases.back().Inputs[1].Text = "0";
        }
        cases.back().Inputs.push_back({"EditX", d(40) + "/" + d(20)});
    }
    cases.push_back({"sekibun_degree5",
                     "TSekibunForm",
                     "CalcButton",
                     {{"Jotan", d(30) + "/" + d(5)}, {"Katan", d(30, true)}}});
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
    cases.push_back({"naibun_outer_290digits",
                     "TNaibunForm",
                     "CalcButton",
                     {{"RadioGaibun", ""},
                      {"EditX1", d(290)},
                      {"EditY1", d(290, true)},
                      {"EditX2", d(290, true)},
                      {"EditY2", d(290)},
                      {"EditM", d(200)},
                      {"EditN", d(199)}}});
    cases.push_back({"junretu_factorial", "TJunretuForm", "KaijoButton", {{"KaijoEdit", "253"}}});
    cases.push_back({"junretu_combinations",
                     "TJunretuForm",
                     "CButton",
                     {{"C1Edit", "1660"}, {"C2Edit", "830"}}});
    return cases;
}
// The application, timing every event it delivers from the event loop: the
// longest is the longest the loop waited.
class TTimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (depth_++ > 0) {
            const bool done = QApplication::notify(receiver, event);
            --depth_;
            return done;
        }
        QElapsedTimer clock;
        clock.start();
        const bool done = QApplication::notify(receiver, event);
        --depth_;
        Longest = std::max(Longest, clock.elapsed());
        return done;
    }

    qint64 Longest = 0; // ms, since last set to 0

private:
    int depth_ = 0;
};

template <typename T> T* Child(QWidget* window, const std::string& name) {
    return window->findChild<T*>(QString::fromStdString(name));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TTimedApplication app(argc, argv);
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

    std::printf("%-32s %7s %7s %9s %8s %9s %9s  %s\n", "case", "max ms", "min ms", "stall ms",
                "copy ms", "shown", "copied", "stopped on");
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
        qint64 stall = 0;
        for (int r = 0; r < repeats; ++r) {
            QElapsedTimer clock;
            clock.start();
            // The click, as the event that a real click would be.
            Child<QAbstractButton>(window, c.Button)->click();
            const qint64 clicked = clock.elapsed();
            app.Longest = 0;
            QApplication::processEvents();
            QElapsedTimer painting;
            painting.start();
            (void)board->grab();
            const qint64 ms = clock.elapsed();
            stall = std::max({stall, clicked, app.Longest, painting.elapsed()});
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
        std::printf("%-32s %7lld %7lld %9lld %8lld %9zu %9zu  %s\n", c.Name.c_str(),
                    static_cast<long long>(slowest), static_cast<long long>(fastest),
                    static_cast<long long>(stall), static_cast<long long>(copy), shown,
                    working ? copied : 0, entry->Message.c_str());
        std::fflush(stdout);
    }
    return 0;
}
