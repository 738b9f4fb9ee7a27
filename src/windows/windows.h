// The one owner of the program's windows: each is created hidden on first use (running its
// Load step) and destroyed by Unload (after its Unload step); the next use makes a fresh one.
#pragma once

#include <QPointer>

namespace zelta {

class FrmMain;
class FrmCurve;

class Windows {
public:
    FrmMain *frmMain();
    FrmCurve *frmCurve();
    bool mainLoaded() const;
    bool curveLoaded() const;

    void unloadMain();
    void unloadCurve();
    // Destroys every window without Unload steps (Exit, and between tests).
    void destroyAll();

    // The program ends when no window is loaded; tests switch this off.
    bool quitWhenEmpty = false;

private:
    void quitIfEmpty();

    QPointer<FrmMain> m_main;
    QPointer<FrmCurve> m_curve;
};

Windows &windows();

} // namespace zelta
