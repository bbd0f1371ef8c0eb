// Every tool window's calculation as the user runs it: the fields are filled
// once, then the calculate button is clicked over and over, so each figure is
// the whole handler (reading the fields, the arithmetic, writing the answers).
// The inputs are the slowest we can construct for each window: fractions near
// 2^31 in every field, the longest Euclid runs, the longest chains of long
// multiplications just inside 500 digits, degree 8 sums that are factored.
// The label of each result shows the answer, or the message box it ended in,
// so a case that stops early is seen at once.
#include "MessageBoxes.h"
#include "Startup.h"
#include "VoranMain.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <initializer_list>
#include <string>

namespace {

QString lastBox;
int boxCount = 0;

void RecordBox(const QString& caption, const QString& text) {
    lastBox = caption + QStringLiteral(": ") + text;
    ++boxCount;
}

// The program's windows, created once as at start-up, offscreen and hidden.
TMainForm& MainWindow() {
    static TMainForm* main = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "vorantel_bench";
        static char* argv[] = {name, nullptr};
        static QApplication app(argc, argv);
        ConfigureApplication(app);
        SetMessageBoxHook(&RecordBox);
        return CreateWindows();
    }();
    return *main;
}

// A field and its text, or (text nullptr) a radio button to click first.
struct TInput {
    const char* Name;
    const char* Text = nullptr;
};

// Long answers are shown by their beginning and their length.
std::string Shorten(const QString& text) {
    constexpr int kShown = 40;
    if (text.size() <= kShown) {
        return text.toStdString();
    }
    return text.left(24).toStdString() + "... (" + std::to_string(text.size()) + " chars)";
}

void Click(benchmark::State& state, const char* window, std::initializer_list<TInput> inputs,
           const char* button, const char* answer) {
    QWidget* form = MainWindow().findChild<QWidget*>(QString::fromLatin1(window));
    if (form == nullptr) {
        state.SkipWithError("no such window");
        return;
    }
    for (const TInput& input : inputs) {
        const QString name = QString::fromLatin1(input.Name);
        if (input.Text == nullptr) {
            form->findChild<QAbstractButton*>(name)->click();
        } else {
            form->findChild<QLineEdit*>(name)->setText(QString::fromUtf8(input.Text));
        }
    }
    auto* calc = form->findChild<QAbstractButton*>(QString::fromLatin1(button));
    auto* answerEdit = form->findChild<QLineEdit*>(QString::fromLatin1(answer));
    boxCount = 0;
    lastBox.clear();
    for (auto _ : state) {
        calc->click();
    }
    state.SetLabel(boxCount > 0 ? Shorten(lastBox) : Shorten(answerEdit->text()));
}

#define WINDOW_BENCH(name, window, button, answer, ...)                                            \
    void name(benchmark::State& state) {                                                           \
        Click(state, window, __VA_ARGS__, button, answer);                                         \
    }                                                                                              \
    BENCHMARK(name)

// Linear systems: twelve fractions near 2^31, solution (1, -1, 1), and a
// system of unrelated ones whose answer does not fit.
WINDOW_BENCH(Renritu_FractionsNear2To31, "TRenrituForm", "CalcButton", "EditAnsX",
             {{"EditX1", "2147483647/2147483646"},
              {"EditY1", "2147483645/2147483646"},
              {"EditA1", "2/2147483646"},
              {"EditX2", "2147483629/2147483587"},
              {"EditY2", "1134903170/2147483587"},
              {"EditA2", "1012580459/2147483587"}});
WINDOW_BENCH(Renritu_Overflow, "TRenrituForm", "CalcButton", "EditAnsX",
             {{"EditX1", "2147483647/2147483646"},
              {"EditY1", "-2147483629/2147483587"},
              {"EditA1", "1836311903/1134903170"},
              {"EditX2", "2147483563/2147483579"},
              {"EditY2", "1134903170/1836311903"},
              {"EditA2", "-2147483647/2147483629"}});
WINDOW_BENCH(Renritu3_FractionsNear2To31, "TRenritu3Form", "CalcButton", "EditAnsX",
             {{"EditX1", "2147483647/2147483646"},
              {"EditY1", "2147483645/2147483646"},
              {"EditZ1", "2147483643/2147483646"},
              {"EditA1", "2147483645/2147483646"},
              {"EditX2", "2147483629/2147483587"},
              {"EditY2", "1134903170/2147483587"},
              {"EditZ2", "-1836311903/2147483587"},
              {"EditA2", "-823731444/2147483587"},
              {"EditX3", "-1836311903/2147483563"},
              {"EditY3", "-2147483579/2147483563"},
              {"EditZ3", "1134903170/2147483563"},
              {"EditA3", "1446074846/2147483563"}});
WINDOW_BENCH(Renritu3_Overflow, "TRenritu3Form", "CalcButton", "EditAnsX",
             {{"EditX1", "2147483647/2147483646"},
              {"EditY1", "-2147483629/2147483587"},
              {"EditZ1", "1836311903/1134903170"},
              {"EditA1", "2147483563/2147483579"},
              {"EditX2", "1134903170/1836311903"},
              {"EditY2", "-2147483647/2147483629"},
              {"EditZ2", "2147483587/2147483563"},
              {"EditA2", "-1134903170/2147483647"},
              {"EditX3", "2147483579/1836311903"},
              {"EditY3", "2147483646/2147483629"},
              {"EditZ3", "-1836311903/2147483587"},
              {"EditA3", "2147483629/1134903170"}});

// Indefinite equations: consecutive Fibonacci numbers, the longest run of
// Euclid's algorithm in 31 bits, for one solution and for all of them.
WINDOW_BENCH(
    Hutei_FibonacciAll, "THuteiForm", "CalcButton", "xAnsEdit2",
    {{"PlusItem"}, {"AllRadio"}, {"xEdit", "1836311903"}, {"yEdit", "1134903170"}, {"zEdit", "1"}});
WINDOW_BENCH(Hutei_FibonacciMinusOne, "THuteiForm", "CalcButton", "xAnsEdit1",
             {{"MinusItem"},
              {"OneRadio"},
              {"xEdit", "-1836311903"},
              {"yEdit", "1134903170"},
              {"zEdit", "-1"}});
WINDOW_BENCH(Hutei_LargestOverflow, "THuteiForm", "CalcButton", "xAnsEdit2",
             {{"PlusItem"},
              {"AllRadio"},
              {"xEdit", "1836311903"},
              {"yEdit", "1134903170"},
              {"zEdit", "2147483647"}});

// Counting: the longest chains of long multiplications (and divisions)
// whose answers still fit in 500 digits, and the ones just past it.
WINDOW_BENCH(Junretu_Factorial253, "TJunretuForm", "KaijoButton", "AnsKaijoEdit",
             {{"KaijoEdit", "253"}});
WINDOW_BENCH(Junretu_Factorial254Overflow, "TJunretuForm", "KaijoButton", "AnsKaijoEdit",
             {{"KaijoEdit", "254"}});
WINDOW_BENCH(Junretu_Permutations253P252, "TJunretuForm", "PButton", "AnsPEdit",
             {{"P1Edit", "253"}, {"P2Edit", "252"}});
WINDOW_BENCH(Junretu_PermutationsLargestN, "TJunretuForm", "PButton", "AnsPEdit",
             {{"P1Edit", "2147483647"}, {"P2Edit", "2147483647"}});
WINDOW_BENCH(Junretu_Combinations1666C833, "TJunretuForm", "CButton", "AnsCEdit",
             {{"C1Edit", "1666"}, {"C2Edit", "833"}});
WINDOW_BENCH(Junretu_Combinations1668C834Overflow, "TJunretuForm", "CButton", "AnsCEdit",
             {{"C1Edit", "1668"}, {"C2Edit", "834"}});
WINDOW_BENCH(Junretu_CombinationsLargestN, "TJunretuForm", "CButton", "AnsCEdit",
             {{"C1Edit", "2147483647"}, {"C2Edit", "60"}});

// Division points and the line through two points: fractions in every
// field, and values near 2^31 whose answer does not fit.
#define NAIBUN_FRACTIONS                                                                           \
    {"EditX1", "-7/3"}, {"EditY1", "5/2"}, {"EditX2", "11/13"}, {"EditY2", "-17/19"},              \
        {"EditM", "3/5"}, {                                                                        \
        "EditN", "7/11"                                                                            \
    }
WINDOW_BENCH(Naibun_InternalFractions, "TNaibunForm", "CalcButton", "EditAnsNX",
             {{"RadioNaibun"}, NAIBUN_FRACTIONS});
WINDOW_BENCH(Naibun_ExternalFractions, "TNaibunForm", "CalcButton", "EditAnsGX",
             {{"RadioGaibun"}, NAIBUN_FRACTIONS});
WINDOW_BENCH(Naibun_LineFractions, "TNaibunForm", "CalcButton", "EditAnsC",
             {{"RadioChokusen"}, NAIBUN_FRACTIONS});
WINDOW_BENCH(Naibun_InternalOverflow, "TNaibunForm", "CalcButton", "EditAnsNX",
             {{"RadioNaibun"},
              {"EditX1", "2147483647/2147483646"},
              {"EditY1", "-2147483629/2147483587"},
              {"EditX2", "1836311903/1134903170"},
              {"EditY2", "-1134903170/1836311903"},
              {"EditM", "2147483563/2147483579"},
              {"EditN", "2147483579/2147483563"}});

// Differentiation: degree 4 with fractions at a fractional point, and the
// extrema of cubics whose critical points are irrational ((P ± Q√R)/D with
// the values there), one of them too large to answer.
#define BIBUN_QUARTIC                                                                              \
    {"Edit4", "7/3"}, {"Edit3", "-5/2"}, {"Edit2", "3/7"}, {"Edit1", "-11/13"},                    \
        {"Edit0", "17/19"}, {                                                                      \
        "EditX", "-13/11"                                                                          \
    }
WINDOW_BENCH(Bibun_DerivativeValue, "TBibunForm", "CalcButton", "EditAnsK",
             {{"RadioKeisuu"}, BIBUN_QUARTIC});
WINDOW_BENCH(Bibun_Tangent, "TBibunForm", "CalcButton", "EditAnsS",
             {{"RadioSessen"}, BIBUN_QUARTIC});
WINDOW_BENCH(Bibun_ExtremaIrrationalFractions, "TBibunForm", "CalcButton", "EditAnsBigY",
             {{"RadioKyokuchi"},
              {"Edit4", ""},
              {"Edit3", "-2/3"},
              {"Edit2", "5/7"},
              {"Edit1", "11/13"},
              {"Edit0", "-17/19"}});
WINDOW_BENCH(Bibun_ExtremaIrrationalLarge, "TBibunForm", "CalcButton", "EditAnsBigY",
             {{"RadioKyokuchi"},
              {"Edit4", ""},
              {"Edit3", "2"},
              {"Edit2", "-997"},
              {"Edit1", "-991"},
              {"Edit0", "983"}});
WINDOW_BENCH(Bibun_ExtremaOverflow, "TBibunForm", "CalcButton", "EditAnsBigY",
             {{"RadioKyokuchi"},
              {"Edit4", ""},
              {"Edit3", "1"},
              {"Edit2", "-46337"},
              {"Edit1", "-46327"},
              {"Edit0", "2147483647"}});

// Definite integrals of degree 5: fractions everywhere, the largest
// integer limits whose answer still fits, and limits near 2^31.
#define SEKIBUN_FRACTIONS                                                                          \
    {"Edit5", "7/3"}, {"Edit4", "-5/2"}, {"Edit3", "3/7"}, {"Edit2", "-11/13"},                    \
        {"Edit1", "17/19"}, {                                                                      \
        "Edit0", "-23/29"                                                                          \
    }
#define SEKIBUN_INTEGERS                                                                           \
    {"Edit5", "1"}, {"Edit4", "-2"}, {"Edit3", "3"}, {"Edit2", "-4"}, {"Edit1", "5"}, {            \
        "Edit0", "-6"                                                                              \
    }
WINDOW_BENCH(Sekibun_Degree5Fractions, "TSekibunForm", "CalcButton", "EditAns",
             {{"Jotan", "2/3"}, {"Katan", "-1/2"}, SEKIBUN_FRACTIONS});
WINDOW_BENCH(Sekibun_Degree5LargeLimits, "TSekibunForm", "CalcButton", "EditAns",
             {{"Jotan", "20"}, {"Katan", "-19"}, SEKIBUN_INTEGERS});
WINDOW_BENCH(Sekibun_LimitsNear2To31Overflow, "TSekibunForm", "CalcButton", "EditAns",
             {{"Jotan", "2147483647/2147483646"},
              {"Katan", "-2147483629/2147483587"},
              SEKIBUN_INTEGERS});

// Sums: a cubic summand up to a quadratic in n (a degree 8 sum that is then
// factored), and numeric limits.
WINDOW_BENCH(Sigma_QuadraticUpperLimit, "TSigmaForm", "CalcButton", "EditAns",
             {{"kEndEdit", "2n^2+3n+1"},
              {"kBeginEdit", "1"},
              {"Edit3", "1"},
              {"Edit2", "0"},
              {"Edit1", "0"},
              {"Edit0", "0"}});
WINDOW_BENCH(Sigma_FractionsQuadraticUpperLimit, "TSigmaForm", "CalcButton", "EditAns",
             {{"kEndEdit", "3/2n^2-5/3n+7"},
              {"kBeginEdit", "-7"},
              {"Edit3", "7/3"},
              {"Edit2", "-5/2"},
              {"Edit1", "3"},
              {"Edit0", "-11/13"}});
WINDOW_BENCH(Sigma_LinearUpperLimit, "TSigmaForm", "CalcButton", "EditAns",
             {{"kEndEdit", "n"},
              {"kBeginEdit", "1"},
              {"Edit3", "1"},
              {"Edit2", "1"},
              {"Edit1", "1"},
              {"Edit0", "1"}});
WINDOW_BENCH(Sigma_NumericLimits, "TSigmaForm", "CalcButton", "EditAns",
             {{"kEndEdit", "200"},
              {"kBeginEdit", "-200"},
              {"Edit3", "1"},
              {"Edit2", "-1"},
              {"Edit1", "1"},
              {"Edit0", "-1"}});

// The algebra windows end to end on the slowest inputs that their routines
// are measured with in equation_bench and enzan_bench.
WINDOW_BENCH(Insuu_ManyCandidates, "TInsuuForm", "CalcButton", "EditAns",
             {{"Edit4", "2147483646"},
              {"Edit3", "1"},
              {"Edit2", "-7"},
              {"Edit1", "3"},
              {"Edit0", "2095133040"}});
WINDOW_BENCH(Niji_SquaredLargePrime, "TNijiForm", "CalcButton", "EditAns",
             {{"Edit2", "1"}, {"Edit1", "1518516543"}, {"Edit0", "943851152"}});
WINDOW_BENCH(
    Koji_FourRationalRoots, "TKojiForm", "CalcButton", "EditAns",
    {{"Edit4", "30"}, {"Edit3", "-61"}, {"Edit2", "41"}, {"Edit1", "-11"}, {"Edit0", "1"}});
WINDOW_BENCH(Koji_ManyCandidates, "TKojiForm", "CalcButton", "EditAns",
             {{"Edit4", "2147483646"},
              {"Edit3", "1"},
              {"Edit2", "-7"},
              {"Edit1", "3"},
              {"Edit0", "2095133040"}});
WINDOW_BENCH(Koji_LargeQuadraticsOverflow, "TKojiForm", "CalcButton", "EditAns",
             {{"Edit4", "1071449033"},
              {"Edit3", "-65594"},
              {"Edit2", "2141785545"},
              {"Edit1", "-65456"},
              {"Edit0", "1070336647"}});
WINDOW_BENCH(Enzan_MulDegree5Fractions, "TEnzanForm", "MulSButton", "EditAns",
             {{"EditF5", "7919/2"},
              {"EditF4", "-7907"},
              {"EditF3", "7901"},
              {"EditF2", "-7883"},
              {"EditF1", "7877"},
              {"EditF0", "-7873"},
              {"EditG5", "7867"},
              {"EditG4", "7853/3"},
              {"EditG3", "-7841"},
              {"EditG2", "7829"},
              {"EditG1", "-7823"},
              {"EditG0", "7817"}});
WINDOW_BENCH(Enzan_DivDegree5ByQuadratic, "TEnzanForm", "DivSButton", "EditAns",
             {{"EditF5", "7/3"},
              {"EditF4", "-5/2"},
              {"EditF3", "3/7"},
              {"EditF2", "-11/13"},
              {"EditF1", "17/19"},
              {"EditF0", "-23/29"},
              {"EditG5", ""},
              {"EditG4", ""},
              {"EditG3", ""},
              {"EditG2", "2"},
              {"EditG1", "-3"},
              {"EditG0", "5"}});
WINDOW_BENCH(Enzan_SubstituteQuadratic, "TEnzanForm", "EnterSButton", "EditAns",
             {{"EditF5", "1"},
              {"EditF4", "-2"},
              {"EditF3", "3"},
              {"EditF2", "-4"},
              {"EditF1", "5"},
              {"EditF0", "-6"},
              {"EditG5", ""},
              {"EditG4", ""},
              {"EditG3", ""},
              {"EditG2", "1"},
              {"EditG1", "-1"},
              {"EditG0", "1"}});

} // namespace
