// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The calculator's main window: its designed controls and the handlers of their events.
#pragma once

#include "flow/isentropic.h"

#include <QMainWindow>

#include <array>
#include <memory>

class Form_About;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class WrappingButton;

class Form_Main : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form_Main(QWidget *parent = nullptr);
    ~Form_Main() override;

    Form_Main(const Form_Main &) = delete;
    Form_Main &operator=(const Form_Main &) = delete;

private:
    // A label and its text box; the handlers always take the rows in the order M, Po/P, To/T,
    // rho_o/rho, which is not their order on screen.
    struct QuantityRow
    {
        QLabel *label;
        QLineEdit *box;
    };
    [[nodiscard]] std::array<QuantityRow, 4> rows() const;

    // An option button, the box of its quantity, and that quantity, in the order M, Po/P, To/T.
    struct InputOption
    {
        QRadioButton *button;
        QLineEdit *box;
        flow::Known known;
    };
    [[nodiscard]] std::array<InputOption, 3> inputOptions() const;

    // The handlers of the option buttons turning on: the window becomes an input form for
    // their quantity.
    void Option_M_Click();
    void Option_PoP_Click();
    void Option_ToT_Click();
    void Command1_Click();
    void Mn_About_Click();

    void showInputForm(QLineEdit *input);
    void showMessage(const QString &text);

    QGroupBox *Frame3;
    QLabel *Label5;
    QLineEdit *Text_gama;
    QGroupBox *Frame4;
    QRadioButton *Option_M;
    QRadioButton *Option_PoP;
    QRadioButton *Option_ToT;
    QGroupBox *Frame1;
    QLabel *Label_M;
    QLineEdit *Text_M;
    QLabel *Label_RoR;
    QLineEdit *Text_RoR;
    QLabel *Label_PoP;
    QLineEdit *Text_PoP;
    QLabel *Label_ToT;
    QLineEdit *Text_ToT;
    WrappingButton *Command1;
    QAction *Mn_About;
    // Created on first use and kept for the rest of the run.
    std::unique_ptr<Form_About> m_about;
};
