// The main window: the grid settings panel, the equation panel and the instruction line.
#pragma once

#include "equation/state.h"
#include "equation/termkinds.h"
#include "plot/geometry.h"
#include "windows/spoken.h"

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
    void CmdXSquare_Click() { termClick(TermId::XSquare); }
    void CmdXCube_Click() { termClick(TermId::XCube); }
    void CmdXFive_Click() { termClick(TermId::XFive); }
    void CmdXFour_Click() { termClick(TermId::XFour); }
    void CmdXY_Click() { termClick(TermId::XY); }
    void Cmdsin_Click() { termClick(TermId::Sin); }
    void Cmdcos_Click() { termClick(TermId::Cos); }
    void Cmdtan_Click() { termClick(TermId::Tan); }
    void Cmdlog_Click() { termClick(TermId::Log); }
    void CmdAX_Click() { termClick(TermId::AX); }
    void cmdSinAX_Click() { termClick(TermId::SinAX); }
    void cmdCosAX_Click() { termClick(TermId::CosAX); }
    void cmdTanAX_Click() { termClick(TermId::TanAX); }
    void cmdSketch_Click();
    void mnuCur01_Click() { presetClick(0); }
    void mnuCurve02_Click() { presetClick(1); }
    void mnuCurve03_Click() { presetClick(2); }
    void mnuOneOver_Click() { presetClick(3); }
    void mnuOverSquare_Click() { presetClick(4); }
    void mnuCurve04_Click() { presetClick(5); }
    void mnuCurve05_Click() { presetClick(6); }
    void mnuCurve06_Click() { presetClick(7); }
    void mnuLog_Click() { presetClick(8); }
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuHowTo_Click();

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
    InstructionLine *lblDes;

    QMenu *mnuFile, *mnuGeneral, *mnuHelp;
    QAction *mnuNew, *mnuExit;
    QAction *mnuCur01, *mnuCurve02, *mnuCurve03, *mnuOneOver, *mnuOverSquare, *mnuCurve04, *mnuCurve05,
        *mnuCurve06, *mnuLog; // in the order of the preset table
    QAction *mnuHowTo, *mnuAbout;

    std::array<QPushButton *, 13> termButtons() const;
    std::array<QRadioButton *, 4> scaleOptions() const { return {OptHalf, OptOne, OptTwo, OptFour}; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The controls and menus at their designed places (layout.cpp).
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void applyScale(int row);
    void checkDomainBox(QLineEdit *box, QLineEdit *other, const QString &message, const QString &replacement);
    bool domainEndInRange(QLineEdit *box, double &value);
    void joinTerms(const QString &joint, std::int16_t sign);
    // The term procedure every term button follows.
    void termClick(TermId id);
    // The procedure every General Curves item follows.
    void presetClick(int preset);
};

} // namespace zelta
