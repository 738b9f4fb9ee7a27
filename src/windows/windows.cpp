#include "windows/windows.h"

#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/spoken.h"

#include <QPushButton>

namespace zelta {

namespace {

// A window made on first use, its Load step run before anyone sees it.
template <typename W>
W *loaded(QPointer<W> &slot)
{
    if (!slot) {
        installSpokenNames();
        slot = new W;
        slot->Form_Load();
    }
    return slot;
}

// Empties the slot at once, so a use from now on makes a fresh window.
template <typename W>
void discard(QPointer<W> &slot)
{
    W *w = slot;
    slot = nullptr;
    w->hide();
    w->deleteLater();
}

} // namespace

Windows &windows()
{
    static Windows owner;
    return owner;
}

FrmMain *Windows::frmMain() { return loaded(m_main); }
FrmCurve *Windows::frmCurve() { return loaded(m_curve); }
FrmSplash *Windows::frmSplash() { return loaded(m_splash); }
FrmHelp *Windows::frmHelp() { return loaded(m_help); }

FrmSplash *Windows::startUp()
{
    if (!m_splash) {
        // Before the first window: the splash too is spoken as a window.
        installSpokenNames();
        m_splash = new FrmSplash;
        m_splash->Form_Load(FrmSplash::WindowsLoad::AfterFirstPaint);
    }
    m_splash->showInFront();
    return m_splash;
}

void Windows::unloadCurve()
{
    if (!m_curve)
        return;
    m_curve->Form_Unload();
    discard(m_curve);
    quitIfEmpty();
}

void Windows::unloadSplash()
{
    if (!m_splash)
        return;
    discard(m_splash);
    quitIfEmpty();
}

void Windows::unloadHelp()
{
    if (!m_help)
        return;
    discard(m_help);
    quitIfEmpty();
}

void Windows::unloadMain()
{
    if (!m_main)
        return;
    // Closing the main window takes the others with it; a lone About splash would only puzzle.
    if (m_curve) {
        m_curve->Cmd->setEnabled(false);
        unloadCurve();
    }
    unloadHelp();
    unloadSplash();
    discard(m_main);
    quitIfEmpty();
}

void Windows::destroyAll()
{
    delete m_splash.data();
    delete m_help.data();
    delete m_curve.data();
    delete m_main.data();
}

void Windows::quitIfEmpty()
{
    if (!m_main && !m_curve && !m_splash && !m_help)
        quit();
}

} // namespace zelta
