// The real Qt message and input boxes: caption, icon, buttons, placement, and Cancel.
#include "platform/dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TestDialogs : public QObject {
    Q_OBJECT
    QStringList m_seen; // title, text, and position of the box that was open

    void answerWhenOpen(bool accept)
    {
        QTimer::singleShot(50, this, [this, accept] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(box);
            auto *message = qobject_cast<QMessageBox *>(box);
            auto *input = qobject_cast<QInputDialog *>(box);
            if (message)
                QVERIFY(message->icon() == QMessageBox::NoIcon && message->buttons().size() == 1);
            else
                input->findChild<QLineEdit *>()->setText(QStringLiteral("2.5"));
            m_seen = {box->windowTitle(), message ? message->text() : input->labelText(),
                      QStringLiteral("%1,%2").arg(box->x()).arg(box->y())};
            accept ? box->accept() : box->reject();
        });
    }

private slots:
    void boxes()
    {
        answerWhenOpen(true);
        zelta::dialogs().message(QStringLiteral("Inavlid range"));
        QCOMPARE(m_seen.mid(0, 2), QStringList({"Tavrin", "Inavlid range"}));
        // The input box stands 4000 x 3000 twips from the screen's corner; Cancel is the empty reply.
        const QPoint corner = QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(267, 200);
        const QStringList expected{"Zeltaplot", "Enter a.", QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())};
        for (bool accept : {true, false}) {
            answerWhenOpen(accept);
            QCOMPARE(zelta::dialogs().input(QStringLiteral("Enter a.")), accept ? QStringLiteral("2.5") : QString());
            QCOMPARE(m_seen, expected);
        }
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
