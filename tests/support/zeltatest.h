// What every window test includes, and the fixture they share: the main window shown, the
// random colours from their start, every window gone after each function,
// and a folder of the test's own as the working directory.
#pragma once

#include "drive.h"
#include "platform/random.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <QtWidgets>

using namespace zelta;

class WindowTest : public QObject {
    Q_OBJECT
protected:
    QTemporaryDir m_dir;
    FrmMain *frm = nullptr;

private slots:
    // Remembered choices start empty in each run (none from an earlier one, nor the user's),
    // unless the run is to read another's, named in ZELTATEST_SETTINGS.
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, qEnvironmentVariable("ZELTATEST_SETTINGS", m_dir.path()));
    }
    void init()
    {
        frm = windows().frmMain();
        frm->show();
        programRandom() = RandomSequence();
    }
    void cleanup()
    {
        windows().destroyAll();
        QDir here(m_dir.path());
        for (const QString &f : here.entryList(QDir::Files | QDir::Hidden))
            QVERIFY(here.remove(f));
    }
};
