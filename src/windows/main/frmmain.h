// The main window: the grid settings panel, the equation panel and the instruction line.
#pragma once

#include "equation/state.h"
#include "equation/terms.h"
#include "plot/geometry.h"

#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace zelta {

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    FrmMain();

    // Load, the routines and the handlers of the window.
    void Form_Load();
    void Grid();
    void reset();
    void OptHalf_Click() { applyScale(0); }
    void OptOne_Click() { applyScale(1); }
    void OptTwo_Click() { applyScale(2); }
    void OptFour_Click() { applyScale(3); }
    void TxtStartX_Change();
    void TxtEndX_Change();
    void CmdGrid_Click();
    void mnuNew_Click();
    void TxtCoeff_Change();
    void CmdContin_Click();
    void CmdPlus_Click() { joinTerms(QStringLiteral(" + "), 1); }
    void CmdMinus_Click() { joinTerms(QStringLiteral(" - "), -1); }
    void CmdXSquare_Click();
    void CmdXCube_Click();
    void CmdXFive_Click();
    void CmdXFour_Click();
    void CmdXY_Click();
    void cmdSketch_Click();

    // Focuses OptOne, selecting it (and so running its click) when it is not selected.
    void focusOptOne();
    void setTermButtonsEnabled(bool enabled);
    // Disables the term, sign, Continue and Sketch buttons.
    void disableEquationButtons();
    // Shows one of the two panels.
    void showSettingsPanel();

    EquationState state;
    PlotSettings plot;

    QGroupBox *FrameSettings;
    QRadioButton *OptHalf, *OptOne, *OptTwo, *OptFour;
    QPushButton *CmdGrid;
    QLineEdit *TxtStartX, *TxtEndX;
    QLabel *LblInGrid, *LblEndX, *LblStartX;

    QGroupBox *FrameEquation;
    QPushButton *cmdTanAX, *cmdSinAX, *cmdCosAX, *cmdSketch, *CmdContin, *CmdMinus, *CmdPlus;
    QPushButton *CmdAX, *Cmdlog, *Cmdtan, *Cmdcos, *Cmdsin, *CmdXY, *CmdXFive, *CmdXFour, *CmdXCube,
        *CmdXSquare;
    QLineEdit *TxtCoeff, *TxtEquation;
    QLabel *LblCoefficient, *LblEnter, *LblEquation;
    QLabel *lblDes;

    QMenu *mnuFile, *mnuGeneral, *mnuHelp;
    QAction *mnuNew, *mnuExit;
    QAction *mnuCur01, *mnuCurve02, *mnuCurve03, *mnuOneOver, *mnuOverSquare, *mnuCurve04, *mnuCurve05,
        *mnuCurve06, *mnuLog;
    QAction *mnuHowTo, *mnuAbout;

    std::array<QPushButton *, 13> termButtons() const;
    std::array<QRadioButton *, 4> scaleOptions() const { return {OptHalf, OptOne, OptTwo, OptFour}; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void applyScale(int row);
    void checkDomainBox(QLineEdit *box, QLineEdit *other, const QString &message, const QString &replacement);
    bool domainEndInRange(QLineEdit *box, double &value);
    void joinTerms(const QString &joint, std::int16_t sign);
    // The common end of every term button: values, text, buttons and instruction.
    bool addTerm(const QString &text, const TermFunction &f, const QString &instruction,
                 std::optional<int> skipColumn = std::nullopt);
};

} // namespace zelta
