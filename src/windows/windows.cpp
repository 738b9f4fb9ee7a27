#include "windows/windows.h"

#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"

#include <QCoreApplication>
#include <QPushButton>

namespace zelta {

Windows &windows()
{
    static Windows owner;
    return owner;
}

FrmMain *Windows::frmMain()
{
    if (!m_main) {
        m_main = new FrmMain;
        m_main->Form_Load();
    }
    return m_main;
}

FrmCurve *Windows::frmCurve()
{
    if (!m_curve) {
        m_curve = new FrmCurve;
        m_curve->Form_Load();
    }
    return m_curve;
}

bool Windows::mainLoaded() const { return !m_main.isNull(); }
bool Windows::curveLoaded() const { return !m_curve.isNull(); }

void Windows::unloadCurve()
{
    if (!m_curve)
        return;
    FrmCurve *curve = m_curve;
    curve->Form_Unload();
    m_curve = nullptr;
    curve->hide();
    curve->deleteLater();
    quitIfEmpty();
}

void Windows::unloadMain()
{
    if (!m_main)
        return;
    // Closing the main window takes the curve window with it.
    if (m_curve) {
        m_curve->Cmd->setEnabled(false);
        unloadCurve();
    }
    FrmMain *main = m_main;
    m_main = nullptr;
    main->hide();
    main->deleteLater();
    quitIfEmpty();
}

void Windows::destroyAll()
{
    delete m_curve.data();
    delete m_main.data();
}

void Windows::quitIfEmpty()
{
    if (quitWhenEmpty && !m_main && !m_curve)
        QCoreApplication::quit();
}

} // namespace zelta
