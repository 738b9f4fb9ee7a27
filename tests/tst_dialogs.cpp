// The real Qt dialogs the program shows: captions, buttons, placement, and Cancel.
#include "platform/dialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

class TestDialogs : public QObject {
    Q_OBJECT

    // Runs `answer` on the modal dialog as soon as it is open.
    void whenModal(const std::function<void(QWidget *)> &answer)
    {
        auto *timer = new QTimer(this);
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, this, [timer, answer] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                answer(w);
            }
        });
        timer->start();
    }

private slots:
    void messageBoxHasTheProgramCaptionAndOneOkButton()
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        int buttons = 0;
        whenModal([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        zelta::dialogs().message(QStringLiteral("Inavlid range"));
        QCOMPARE(title, QStringLiteral("Tavrin"));
        QCOMPARE(text, QStringLiteral("Inavlid range"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
    }

    void inputBoxIsTitledAndPlaced_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("reply");
        QTest::newRow("typed and accepted") << true << QStringLiteral("2.5");
        QTest::newRow("cancelled gives the empty reply") << false << QString();
    }
    void inputBoxIsTitledAndPlaced()
    {
        QFETCH(bool, accept);
        QFETCH(QString, reply);
        QString title, prompt;
        QPoint position;
        whenModal([&](QWidget *w) {
            auto *box = qobject_cast<QInputDialog *>(w);
            QVERIFY(box);
            title = box->windowTitle();
            prompt = box->labelText();
            position = box->pos();
            box->findChild<QLineEdit *>()->setText(QStringLiteral("2.5"));
            accept ? box->accept() : box->reject();
        });
        const QString answer = zelta::dialogs().input(QStringLiteral("Enter the value of a below."));
        QCOMPARE(title, QStringLiteral("Zeltaplot"));
        QCOMPARE(prompt, QStringLiteral("Enter the value of a below."));
        // 4000 and 3000 twips from the screen's corner.
        QCOMPARE(position, QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(267, 200));
        QCOMPARE(answer, reply);
    }

    void cancelledSaveDialogGivesNoName()
    {
        whenModal([](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
        QCOMPARE(zelta::dialogs().saveBitmapName(), QString());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
