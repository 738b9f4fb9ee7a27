// The one owner of the program's windows: each is created hidden on first use (running its
// Load step) and destroyed by Unload (after its Unload step); the next use makes a fresh one.
#pragma once

#include <QPointer>
#include <functional>

namespace zelta {

class FrmMain;
class FrmCurve;
class FrmSplash;
class FrmHelp;

class Windows {
public:
    FrmMain *frmMain();
    FrmCurve *frmCurve();
    FrmSplash *frmSplash();
    // The splash of start-up: shown in front before the main and curve windows are made.
    FrmSplash *startUp();
    FrmHelp *frmHelp();
    bool mainLoaded() const { return !m_main.isNull(); }
    bool curveLoaded() const { return !m_curve.isNull(); }
    bool splashLoaded() const { return !m_splash.isNull(); }
    bool helpLoaded() const { return !m_help.isNull(); }

    void unloadMain();
    void unloadCurve();
    void unloadSplash();
    void unloadHelp();
    // Destroys every window without Unload steps (between tests).
    void destroyAll();

    // Ends the program: Exit, and the last window unloaded. Tests count the calls instead.
    std::function<void()> quit = [] {};

private:
    void quitIfEmpty();

    QPointer<FrmMain> m_main;
    QPointer<FrmCurve> m_curve;
    QPointer<FrmSplash> m_splash;
    QPointer<FrmHelp> m_help;
};

Windows &windows();

} // namespace zelta
