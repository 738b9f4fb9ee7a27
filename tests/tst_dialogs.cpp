// The real Qt message and input boxes: caption, icon, buttons, placement, and Cancel.
#include "platform/dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TestDialogs : public QObject {
    Q_OBJECT
    QString m_title, m_label;
    QPoint m_pos;

    // Notes what the modal box shows once it is open, then answers it.
    void answerWhenOpen(bool accept)
    {
        QTimer::singleShot(50, this, [this, accept] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(box);
            m_title = box->windowTitle();
            m_pos = box->pos();
            if (auto *message = qobject_cast<QMessageBox *>(box)) {
                m_label = message->text();
                QCOMPARE(message->icon(), QMessageBox::NoIcon);
                QCOMPARE(message->buttons().size(), 1);
            } else if (auto *input = qobject_cast<QInputDialog *>(box)) {
                m_label = input->labelText();
                input->findChild<QLineEdit *>()->setText(QStringLiteral("2.5"));
            }
            accept ? box->accept() : box->reject();
        });
    }

private slots:
    void messageBox()
    {
        answerWhenOpen(true);
        zelta::dialogs().message(QStringLiteral("Inavlid range"));
        QCOMPARE(m_title, QStringLiteral("Tavrin"));
        QCOMPARE(m_label, QStringLiteral("Inavlid range"));
    }

    void inputBox_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("reply");
        QTest::newRow("accepted") << true << QStringLiteral("2.5");
        QTest::newRow("cancelled is the empty reply") << false << QString();
    }
    void inputBox()
    {
        QFETCH(bool, accept);
        answerWhenOpen(accept);
        QFETCH(QString, reply);
        QCOMPARE(zelta::dialogs().input(QStringLiteral("Enter a.")), reply);
        QCOMPARE(m_title, QStringLiteral("Zeltaplot"));
        QCOMPARE(m_label, QStringLiteral("Enter a."));
        // 4000 x 3000 twips from the screen's corner.
        QCOMPARE(m_pos, QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(267, 200));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
