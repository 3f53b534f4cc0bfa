// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The main window in its designed state, and the calculate command.
#include "form_main.h"

#include "build_info.h"
#include "failure_message.h"
#include "flow/isentropic.h"
#include "number_text.h"
#include "ui/about_window/form_about.h"
#include "ui/twips.h"
#include "wrapping_button.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QRadioButton>

#include <limits>
#include <utility>

namespace {

// The design was drawn for an 8 point sans serif; DejaVu Sans keeps every caption inside its
// control at that size. The Greek labels are drawn as Unicode letters in the same family.
QFont windowFont(qreal points)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    return font;
}

template<typename Widget>
Widget *place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLineEdit *newBox(const QString &text, QWidget *frame, const char *name, const QRect &geometry)
{
    auto *box = place(new QLineEdit(text, frame), name, geometry);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

// Names a quantity's row in words: a tooltip for the label and the box, the box's name for
// screen readers, and the label's spoken form where its caption is Greek.
void describe(QLabel *label, QLineEdit *box, const QString &fullName,
              const QString &spokenLabel = {})
{
    QString tip = fullName;
    tip.front() = tip.front().toUpper();
    label->setBuddy(box);
    label->setToolTip(tip);
    box->setToolTip(tip);
    box->setAccessibleName(fullName);
    if (!spokenLabel.isEmpty())
        label->setAccessibleName(spokenLabel);
}

std::string boxText(const QLineEdit *box)
{
    return box->text().toStdString();
}

// Only the palette changes, so fonts, frames and sizes stay as they are. The text colour is set
// with the background so that the box stays readable under a dark desktop palette.
void paint(QLineEdit *box, const QColor &background)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

constexpr QColor inputColour(255, 255, 255);
constexpr QColor resultColour(200, 200, 200);

// The leading digits matter most, so a result longer than its box shows from its start.
void showResult(QLineEdit *box, double value)
{
    box->setText(QString::fromStdString(ShowNumber(value)));
    box->setCursorPosition(0);
}

} // namespace

Form_Main::Form_Main(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form_Main"));
    setWindowTitle(QString::fromUtf8(BuildInfo::WindowCaption));
    setFont(windowFont(8));

    Mn_About = menuBar()->addAction(QStringLiteral("About"));
    Mn_About->setObjectName(QStringLiteral("Mn_About"));

    auto *client = new QWidget(this);
    setCentralWidget(client);

    // Each label is created before the box it reaches under, so the box is drawn above it.
    Frame3 = place(new QGroupBox(client), "Frame3", twips(120, 120, 1215, 615));
    Label5 =
        place(new QLabel(QStringLiteral("\u03b3 ="), Frame3), "Label5", twips(120, 240, 495, 255));
    Label5->setFont(windowFont(8.25));
    Text_gama = newBox(QStringLiteral("1.4"), Frame3, "Text_gama", twips(480, 240, 495, 285));

    Frame4 = place(new QGroupBox(QStringLiteral("Input Option"), client), "Frame4",
                   twips(120, 840, 1215, 1695));
    Option_M =
        place(new QRadioButton(QStringLiteral("M"), Frame4), "Option_M", twips(120, 360, 615, 255));
    Option_PoP = place(new QRadioButton(QStringLiteral("Po/P"), Frame4), "Option_PoP",
                       twips(120, 840, 735, 255));
    Option_ToT = place(new QRadioButton(QStringLiteral("To/T"), Frame4), "Option_ToT",
                       twips(120, 1320, 735, 195));

    // To/T is 13 pixels high by design, a pixel less than Fusion's indicator: the indicators
    // shrink to fit, so that no circle is cut off on denser screens.
    for (QRadioButton *option : {Option_M, Option_PoP, Option_ToT}) {
        option->setStyleSheet(
            QStringLiteral("QRadioButton::indicator { width: 13px; height: 13px; }"));
    }

    Frame1 = place(new QGroupBox(client), "Frame1", twips(1560, 120, 1575, 1815));
    Label_M =
        place(new QLabel(QStringLiteral("M ="), Frame1), "Label_M", twips(120, 240, 495, 255));
    Text_M = newBox(QStringLiteral("0"), Frame1, "Text_M", twips(720, 240, 735, 285));
    Label_RoR = place(new QLabel(QStringLiteral("\u03c1o/\u03c1 ="), Frame1), "Label_RoR",
                      twips(120, 600, 615, 255));
    Label_RoR->setFont(windowFont(9));
    Text_RoR = newBox(QStringLiteral("1"), Frame1, "Text_RoR", twips(720, 600, 735, 285));
    Label_PoP =
        place(new QLabel(QStringLiteral("Po/P ="), Frame1), "Label_PoP", twips(120, 960, 615, 255));
    Text_PoP = newBox(QStringLiteral("1"), Frame1, "Text_PoP", twips(720, 960, 735, 285));
    Label_ToT = place(new QLabel(QStringLiteral("To/T ="), Frame1), "Label_ToT",
                      twips(120, 1320, 615, 255));
    Text_ToT = newBox(QStringLiteral("1"), Frame1, "Text_ToT", twips(720, 1320, 735, 285));

    Command1 = place(new WrappingButton(QStringLiteral("Choose an input option"), client),
                     "Command1", twips(1560, 2040, 1575, 495));

    describe(Label5, Text_gama, QStringLiteral("ratio of specific heats gamma"),
             QStringLiteral("gamma ="));
    describe(Label_M, Text_M, QStringLiteral("Mach number"));
    describe(Label_RoR, Text_RoR, QStringLiteral("stagnation to static density ratio"),
             QStringLiteral("rho o over rho ="));
    describe(Label_PoP, Text_PoP, QStringLiteral("stagnation to static pressure ratio"));
    describe(Label_ToT, Text_ToT, QStringLiteral("stagnation to static temperature ratio"));
    Option_M->setToolTip(QStringLiteral("Give the Mach number"));
    Option_PoP->setToolTip(QStringLiteral("Give the stagnation to static pressure ratio"));
    Option_ToT->setToolTip(QStringLiteral("Give the stagnation to static temperature ratio"));

    // The tab order of the design, leaving out the controls that take no focus.
    const std::array<QWidget *, 9> tabOrder = {Text_RoR, Text_ToT,   Text_gama,
                                               Option_M, Option_PoP, Option_ToT,
                                               Text_M,   Text_PoP,   Command1};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Text_RoR->setFocus();

    const QSize clientSize = twips(0, 0, 3315, 2730).size();
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());

    // An option is chosen when it turns on, whether by mouse, by arrow keys or by an assistive
    // tool's toggle action (which emits no clicked). Clicking the chosen option again changes
    // nothing, so its box keeps what was typed.
    const std::array<std::pair<QRadioButton *, void (Form_Main::*)()>, 3> handlers = {
        {{Option_M, &Form_Main::Option_M_Click},
         {Option_PoP, &Form_Main::Option_PoP_Click},
         {Option_ToT, &Form_Main::Option_ToT_Click}}};
    for (const auto &[option, handler] : handlers) {
        connect(option, &QRadioButton::toggled, this, [this, handler = handler](bool chosen) {
            if (chosen)
                (this->*handler)();
        });
    }
    connect(Command1, &QPushButton::clicked, this, &Form_Main::Command1_Click);
    // Enter in any box is a click on the button, the window's default one.
    Command1->setDefault(true);
    for (QLineEdit *box : {Text_gama, Text_M, Text_PoP, Text_ToT, Text_RoR})
        connect(box, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    connect(Mn_About, &QAction::triggered, this, &Form_Main::Mn_About_Click);
}

Form_Main::~Form_Main() = default;

std::array<Form_Main::QuantityRow, 4> Form_Main::rows() const
{
    return {{{.label = Label_M, .box = Text_M},
             {.label = Label_PoP, .box = Text_PoP},
             {.label = Label_ToT, .box = Text_ToT},
             {.label = Label_RoR, .box = Text_RoR}}};
}

std::array<Form_Main::InputOption, 3> Form_Main::inputOptions() const
{
    return {{{.button = Option_M, .box = Text_M, .known = flow::Known::M},
             {.button = Option_PoP, .box = Text_PoP, .known = flow::Known::PoP},
             {.button = Option_ToT, .box = Text_ToT, .known = flow::Known::ToT}}};
}

void Form_Main::Option_M_Click()
{
    showInputForm(Text_M);
}

void Form_Main::Option_PoP_Click()
{
    showInputForm(Text_PoP);
}

void Form_Main::Option_ToT_Click()
{
    showInputForm(Text_ToT);
}

// The three option handlers alike, but for the row of their quantity.
void Form_Main::showInputForm(QLineEdit *input)
{
    const auto quantityRows = rows();
    for (const QuantityRow &row : quantityRows)
        row.label->setVisible(row.box == input);
    for (const QuantityRow &row : quantityRows)
        row.box->setVisible(row.box == input);
    input->setText(QStringLiteral(" "));
    for (const QuantityRow &row : quantityRows)
        paint(row.box, row.box == input ? inputColour : resultColour);
    Command1->setText(QStringLiteral("Input value then CLICK"));
}

void Form_Main::Command1_Click()
{
    // At most one option is on; they are read in the order M, Po/P, To/T.
    const auto options = inputOptions();
    const InputOption *chosen = nullptr;
    for (const InputOption &option : options) {
        if (option.button->isChecked()) {
            chosen = &option;
            break;
        }
    }
    if (chosen == nullptr) {
        showMessage(QStringLiteral("choose an input parameter"));
        return;
    }

    const double gama = ReadNumber(boxText(Text_gama));

    const auto quantityRows = rows();
    for (const QuantityRow &row : quantityRows)
        row.label->setVisible(true);
    for (const QuantityRow &row : quantityRows)
        row.box->setVisible(true);

    const QLineEdit *input = chosen->box;
    const flow::Known known = chosen->known;
    const double value = ReadNumber(boxText(input));
    const flow::Result<flow::FlowState> state = flow::calculate(gama, known, value);
    if (!state) {
        // No result of an earlier click may stand beside the input as if it were its result,
        // so the three result boxes are emptied; the input and gamma stay as the user typed.
        for (const QuantityRow &row : quantityRows) {
            if (row.box != input)
                row.box->clear();
        }
        showMessage(QString::fromStdString(failureMessage(state.error(), known, gama, value)));
        return;
    }

    showResult(Text_M, state->M);
    showResult(Text_PoP, state->PoP);
    showResult(Text_ToT, state->ToT);
    showResult(Text_RoR, state->RoR);
}

void Form_Main::Mn_About_Click()
{
    if (!m_about)
        m_about = std::make_unique<Form_About>();
    // One window however often it is chosen: an open one comes to the front, a closed or
    // minimized one shows again.
    // setVisible rather than show: in a browser show() makes every window fill the page.
    m_about->setWindowState(m_about->windowState() & ~Qt::WindowMinimized);
    m_about->setVisible(true);
    m_about->raise();
    m_about->activateWindow();
}

// Modal without a nested event loop, which a browser cannot run: the handler returns while the
// box is open, and the box blocks the windows until OK closes and deletes it.
void Form_Main::showMessage(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(BuildInfo::ApplicationTitle),
                                text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setVisible(true);
}
