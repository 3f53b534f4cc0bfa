// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Seeded random user actions on the main window, with the window checked against a model of
// what it should look like and show after every step. VFE_STRESS_SEED and VFE_STRESS_STEPS
// replay or lengthen a run; a failure names the seed and the step.
#include "flow/isentropic.h"
#include "tests/support/main_window_driver.h"
#include "tests/support/test_application.h"
#include "tests/support/window_look.h"
#include "ui/main_window/failure_message.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/number_text.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <optional>

namespace {

struct Option
{
    const char *button;
    const char *box;
    flow::Known known;
};

constexpr std::array<Option, 3> options = {{{"Option_M", "Text_M", flow::Known::M},
                                            {"Option_PoP", "Text_PoP", flow::Known::PoP},
                                            {"Option_ToT", "Text_ToT", flow::Known::ToT}}};

constexpr std::array<const char *, 5> boxes = {"Text_gama", "Text_M", "Text_PoP", "Text_ToT",
                                               "Text_RoR"};

// What the window should show, kept from the actions alone.
struct Model
{
    std::optional<Option> chosen;
    bool calculated = false; // since the last choice
    // Texts the program itself wrote into the four quantity boxes, in handler order.
    std::optional<QStringList> written;
};

class Monkey
{
public:
    explicit Monkey(quint32 seed)
        : m_random(seed)
    { }

    int below(int n) { return static_cast<int>(m_random.bounded(n)); }

    QString text()
    {
        switch (below(8)) {
        case 0: // a value a user means
            return QString::number(m_random.generateDouble() * 20 - 2, 'g', 1 + below(8));
        case 1:
            return QString::number(1 + m_random.generateDouble() * 50, 'f', below(6));
        case 2: {
            static const std::array<const char *, 12> edges = {
                "1", "1.4", "0", " ", "", "-1", "1e400", "-1e400", "1e-400", "1,5", "2abc", "1.67"};
            return QString::fromLatin1(edges[below(static_cast<int>(edges.size()))]);
        }
        case 3: // huge and tiny
            return QStringLiteral("%1e%2").arg(below(10)).arg(below(700) - 350);
        case 4: { // junk
            QString junk;
            for (int i = below(12); i > 0; --i)
                junk += QChar(0x20 + below(0x5f));
            return junk;
        }
        case 5: // very long
            return {1000 + below(20000), QChar(below(2) == 0 ? u'9' : u'x')};
        case 6:
            return QStringLiteral("\u03b3\u03c1 %1 \u00a0").arg(below(100));
        default:
            return QString::number(m_random.generateDouble() * 3, 'g', 17);
        }
    }

private:
    QRandomGenerator m_random;
};

// A text the program wrote: a number in the general form, never nan, inf or -0.
bool isShownNumber(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^-?((0|[1-9][0-9]*)(\.[0-9]{0,3}[1-9])?|[1-9](\.[0-9]*[1-9])?e\+[0-9]+)$)"));
    return form.match(text).hasMatch() && text != QLatin1String("-0");
}

} // namespace

class FormMainStressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpTestApplication(); }
    void randomUserActions();

private:
    void choose(const Option &option);
    void type(Monkey &monkey);
    void calculate(bool withEnter, Monkey &monkey);
    void about(Monkey &monkey);
    void check();

    // What the run did, for its log line.
    struct Counts
    {
        int results = 0;
        int failures = 0;
        int missingOption = 0;
    } m_counts;
    Form_Main *m_window = nullptr;
    MainWindowDriver *m_driver = nullptr;
    Model m_model;
};

void FormMainStressTest::choose(const Option &option)
{
    m_driver->choose(option.button);
    if (m_model.chosen && m_model.chosen->button == option.button)
        return; // the chosen option stays on: nothing changes
    m_model.chosen = option;
    m_model.calculated = false;
    m_model.written.reset(); // the input box now holds a blank
    QCOMPARE(m_driver->box(option.box)->text(), QStringLiteral(" "));
}

void FormMainStressTest::type(Monkey &monkey)
{
    const char *name = boxes[static_cast<std::size_t>(monkey.below(5))];
    QLineEdit *box = m_driver->box(name);
    if (!box->isVisible())
        return;
    const QString text = monkey.text();
    if (text.size() > 40 || monkey.below(2) == 0)
        box->setText(text); // as pasted
    else
        m_driver->type(name, text);
    QCOMPARE(box->text(), text);
    if (m_model.written && QByteArray(name) != "Text_gama")
        m_model.written.reset(); // the user's text now stands among the results
}

void FormMainStressTest::calculate(bool withEnter, Monkey &monkey)
{
    const double gama = ReadNumber(m_driver->box("Text_gama")->text().toStdString());
    const std::optional<Option> chosen = m_model.chosen;
    const double value =
        chosen ? ReadNumber(m_driver->box(chosen->box)->text().toStdString()) : 0.0;
    const QString inputText = chosen ? m_driver->box(chosen->box)->text() : QString();
    const QStringList before = m_driver->results();

    CaughtMessage message;
    if (withEnter) {
        QLineEdit *box = m_driver->box(boxes[static_cast<std::size_t>(monkey.below(5))]);
        if (!box->isVisible())
            box = m_driver->box("Text_gama");
        box->setFocus();
        message = catchMessage([box] { QTest::keyClick(box, Qt::Key_Return); });
    } else {
        message = m_driver->calculate();
    }

    if (!chosen) {
        QVERIFY(message.shown);
        QCOMPARE(message.text, QStringLiteral("choose an input parameter"));
        QCOMPARE(m_driver->results(), before);
        ++m_counts.missingOption;
        return;
    }
    m_model.calculated = true;
    const auto state = flow::calculate(gama, chosen->known, value);
    if (!state) {
        QVERIFY(message.shown);
        QCOMPARE(message.text,
                 QString::fromStdString(failureMessage(state.error(), chosen->known, gama, value)));
        // No earlier result stands beside the input.
        for (const QuantityRowNames &row : quantityRows) {
            const QString text = m_driver->box(row.box)->text();
            QCOMPARE(text, QByteArray(row.box) == chosen->box ? inputText : QString());
        }
        m_model.written.reset();
        ++m_counts.failures;
        return;
    }
    QVERIFY2(!message.shown, qPrintable(message.text));
    m_model.written = QStringList {QString::fromStdString(ShowNumber(state->M)),
                                   QString::fromStdString(ShowNumber(state->PoP)),
                                   QString::fromStdString(ShowNumber(state->ToT)),
                                   QString::fromStdString(ShowNumber(state->RoR))};
    QCOMPARE(m_driver->results(), *m_model.written);
    ++m_counts.results;
}

void FormMainStressTest::about(Monkey &monkey)
{
    QMenuBar *bar = m_window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(bar->actions().front()).center());
    QWidget *about = nullptr;
    int aboutWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form_About")) {
            about = window;
            ++aboutWindows;
        }
    }
    QCOMPARE(aboutWindows, 1);
    QVERIFY(about->isVisible());
    if (monkey.below(2) == 0)
        about->close();
}

void FormMainStressTest::check()
{
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(m_window->isVisible());
    if (!m_model.chosen)
        QCOMPARE(lookOf(*m_driver), startLook());
    else if (m_model.calculated)
        QCOMPARE(lookOf(*m_driver), resultsLook(m_model.chosen->box));
    else
        QCOMPARE(lookOf(*m_driver), inputLook(m_model.chosen->box));
    if (m_model.written) {
        QCOMPARE(m_driver->results(), *m_model.written);
        for (const QString &text : *m_model.written)
            QVERIFY2(isShownNumber(text), qPrintable(text));
    }
}

void FormMainStressTest::randomUserActions()
{
    bool ok = false;
    quint32 seed = qEnvironmentVariableIntValue("VFE_STRESS_SEED", &ok);
    if (!ok)
        seed = 20261209;
    int steps = qEnvironmentVariableIntValue("VFE_STRESS_STEPS", &ok);
    if (!ok)
        steps = 10000;
    qInfo("seed %u, %d steps", seed, steps);

    Form_Main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MainWindowDriver driver(&window);
    m_window = &window;
    m_driver = &driver;
    Monkey monkey(seed);

    for (int step = 0; step < steps; ++step) {
        const int action = monkey.below(20);
        if (action < 4)
            choose(options[static_cast<std::size_t>(monkey.below(3))]);
        else if (action < 12)
            type(monkey);
        else if (action < 16)
            calculate(false, monkey);
        else if (action < 19)
            calculate(true, monkey);
        else
            about(monkey);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2").arg(seed).arg(step)));
        check();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("seed %1, after step %2").arg(seed).arg(step)));
    }
    qInfo("%d results, %d failures reported, %d clicks without an option", m_counts.results,
          m_counts.failures, m_counts.missingOption);
}

QTEST_MAIN(FormMainStressTest)
#include "form_main_stress_test.moc"
