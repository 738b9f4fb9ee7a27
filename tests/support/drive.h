// Drives the main window through its controls as a user would: clicks and typing.
#pragma once

#include "windows/main/frmmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace drive {

inline void click(QAbstractButton *button)
{
    QVERIFY2(button->isEnabled() && button->isVisible(), qPrintable(button->objectName() + " is not usable"));
    // Radio buttons take the click on their indicator.
    const QPoint at = qobject_cast<QRadioButton *>(button) ? QPoint(6, 8) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

// Replaces the box's text by typing, key by key.
inline void type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

inline QPushButton *button(zelta::FrmMain *frm, const QString &name)
{
    auto *b = frm->findChild<QPushButton *>(name);
    if (!b)
        qFatal("no button %s", qPrintable(name));
    return b;
}

// Chooses a scale, types the domain and presses Set Grid.
inline void setGrid(zelta::FrmMain *frm, const QString &scale = "OptOne", const QString &start = "",
                    const QString &end = "")
{
    click(frm->findChild<QRadioButton *>(scale));
    if (!start.isEmpty())
        type(frm->TxtStartX, start);
    if (!end.isEmpty())
        type(frm->TxtEndX, end);
    click(frm->CmdGrid);
}

// Types the coefficient, Continue, and the term's button (its factor replies must be queued).
inline void addTerm(zelta::FrmMain *frm, const QString &coefficient, const QString &term)
{
    type(frm->TxtCoeff, coefficient);
    click(frm->CmdContin);
    click(button(frm, term));
}

} // namespace drive
