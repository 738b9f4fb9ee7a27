// The window behaviour a user meets, as the rows of scenarios.txt: each row's steps are played on
// the real windows, then the visible state is written as text and what differs from the start
// state is compared with the reviewed snapshot in tests/golden/scenarios*.txt. A row may also
// compare a picture with tests/golden/<name>.png. ZELTAPLOT_GOLDEN=update writes both anew.
// ZELTAPLOT_PASS picks the rows tagged [200] (at 200 %) or [bus] (announcements on a real bus).
#include "dump.h"
#include "platform/fonts.h"
#include "zeltatest.h"

namespace {

const QString Pass = qEnvironmentVariable("ZELTAPLOT_PASS");
const QString SnapshotFile =
    QStringLiteral(ZELTAPLOT_GOLDEN_DIR "/scenarios%1.txt").arg(Pass.isEmpty() ? QString() : u'-' + Pass);
const bool Updating = qgetenv("ZELTAPLOT_GOLDEN") == "update";

dump::Seen seen;

// What the accessibility bridge hears: the instruction line's announcements and the focus.
void heard(QAccessibleEvent *event)
{
    QAccessibleInterface *a = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && a && a->role() == QAccessible::Notification)
        seen.spoken << QStringLiteral("announced \"%1\"").arg(a->text(QAccessible::Name));
    if (event->type() == QAccessible::Focus && a)
        seen.spoken << QStringLiteral("focus \"%1\"").arg(a->text(QAccessible::Name));
}

// Sections "== name" of a snapshot file.
QMap<QString, QStringList> readSnapshots()
{
    QMap<QString, QStringList> sections;
    QFile f(SnapshotFile);
    if (f.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QString &section : ('\n' + QString::fromUtf8(f.readAll())).split(QLatin1String("\n== "), Qt::SkipEmptyParts))
            sections[section.section(u'\n', 0, 0)] = section.section(u'\n', 1).split(u'\n', Qt::SkipEmptyParts);
    return sections;
}

// A box the real dialog service opens, grabbed as soon as it is up and then cancelled.
QImage grabDialog(bool message, QString &where)
{
    QImage picture;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        picture = box->grab().toImage();
        where = QStringLiteral("box \"%1\" @%2,%3").arg(box->windowTitle()).arg(box->x()).arg(box->y());
        static_cast<QDialog *>(box)->reject();
    });
    if (message)
        QtDialogService().message(QStringLiteral("Inavlid range"));
    else
        QtDialogService().input(QStringLiteral(" Enter the value of a.Only integers (between 1 and 10) are acceptable."));
    return picture;
}

} // namespace

class TstScenarios : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    files::FileDialogs *m_dialogs = nullptr;
    QStringList m_start;
    QMap<QString, QStringList> m_snapshots, m_actual;
    QStringList m_order; // of the rows in the table

    // Every row starts from the program as a user first meets the main window.
    void reset(bool showMain)
    {
        windows().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete m_dialogs;
        m_dialogs = new files::FileDialogs;
        programRandom() = RandomSequence();
        QLocale::setDefault(QLocale::c());
        QGuiApplication::clipboard()->clear();
        for (const QFileInfo &f : QDir(m_dir.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            f.isDir() ? QDir(f.filePath()).removeRecursively() : QFile::remove(f.filePath());
        if (showMain) {
            windows().frmMain()->show();
            windows().frmMain()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(windows().frmMain()));
        }
        seen = {}; // what the start said is in the start state
    }

    // What an event loop does before the user looks again, the Menu key's late popup included.
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QTest::qWait(1);
        }
    }

    // The picture's choices named in a step: cm1, cm2 or fit; bold, dark, clear.
    static PictureOptions choices(const QStringList &args)
    {
        PictureOptions options;
        for (const auto &[name, scale] : {std::pair{"cm1", PictureOptions::OneCm}, {"cm2", PictureOptions::TwoCm},
                                          {"fit", PictureOptions::FitToPage}})
            if (args.contains(QLatin1String(name)))
                options.scale = scale;
        options.bold = args.contains(u"bold");
        options.dark = args.contains(u"dark");
        options.transparent = args.contains(u"clear");
        return options;
    }

    // The steps only a test can take; the rest are a user's, played by drive.
    QString step(const QString &s)
    {
        const QString verb = s.trimmed().section(u' ', 0, 0), rest = s.trimmed().section(u' ', 1);
        const QStringList args = rest.split(u' ', Qt::SkipEmptyParts);
        if (verb == u"reply") {
            m_dialogs->inputs << s.mid(s.indexOf(verb) + verb.size() + 1);
        } else if (verb == u"save") {
            m_dialogs->saveNames << rest;
        } else if (verb == u"export") { // export <png1|png2|png4|svg|pdf|bmp|wav> <name> [choices]
            const int type = int(QStringList{"png1", "png2", "png4", "svg", "pdf", "bmp", "wav"}.indexOf(args.value(0)));
            m_dialogs->pictureNames << DialogService::PictureName{args.value(1), type, choices(args)};
            return drive::run(QStringLiteral("menu mnuExport"));
        } else if (verb == u"printto") { // the next print dialog's answer: printto <name> [a6] [choices]
            m_dialogs->printTo = args.value(0);
            m_dialogs->options = choices(args);
            m_dialogs->paper = args.contains(u"a6") ? QPageSize::A6 : QPageSize::A4;
        } else if (verb == u"value") { // a stored term: value <slot> <column>
            const double v = windows().frmMain()->state.term(args.value(0).toInt(), args.value(1).toInt());
            seen.notes << QStringLiteral("value %1,%2: %3").arg(args.value(0), args.value(1), QString::number(v, 'g', 12));
        } else if (verb == u"poke") { // state set as no user can: poke <CurveCount or a control> <value>
            if (args.value(0) == u"CurveCount")
                windows().frmMain()->state.CurveCount = std::int16_t(args.value(1).toInt());
            else if (QObject *o = drive::find(args.value(0)))
                o->setProperty("text", rest.section(u' ', 1));
        } else if (verb == u"locale") {
            QLocale::setDefault(QLocale(args.value(0)));
        } else if (verb == u"clip") {
            QGuiApplication::clipboard()->setText(rest);
        } else if (verb == u"repeat") { // repeat <n> <steps separated by commas>
            const QString steps = rest.section(u' ', 1).replace(u',', u';');
            for (int i = 0; i < args.value(0).toInt(); ++i)
                if (QString failed = drive::run(steps); !failed.isEmpty())
                    return failed;
        } else if (verb == u"walk") { // walk <key> <n>: where each press takes the focus
            QStringList walked;
            for (int i = 0; i < args.value(1).toInt(); ++i) {
                if (QString failed = drive::run(QStringLiteral("press ") + args.value(0)); !failed.isEmpty())
                    return failed;
                walked << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("none"));
            }
            seen.notes << QStringLiteral("walked: ") + walked.join(u' ');
        } else if (verb == u"hear") { // what the bridge heard before this is not the row's point
            seen.spoken.clear();
        } else if (verb == u"reader") { // a screen reader presses the menu item
            auto *item = qobject_cast<QAction *>(drive::find(args.value(0)));
            auto *menu = item ? qobject_cast<QMenu *>(item->parent()) : nullptr;
            if (!menu)
                return s + QStringLiteral(": no such menu item");
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(menu)->child(int(menu->actions().indexOf(item)));
            a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else if (verb == u"picture") { // picture <window, PicCurve, message, input or a file> <golden name>
            return picture(args.value(0), args.value(1));
        } else {
            return drive::run(s);
        }
        return {};
    }

    QString picture(const QString &what, const QString &name)
    {
        settle();
        QImage shot;
        if (what == u"message" || what == u"input") {
            QString where;
            shot = grabDialog(what == u"message", where);
            seen.notes << where;
        } else if (QFile::exists(what)) { // a picture file written
            shot = QImage(what);
        } else if (what == u"PicCurve") {
            shot = windows().frmCurve()->PicCurve->Image();
            // The record replayed through a painter is the same picture.
            if (windows().frmCurve()->PicCurve->replayedImage() != shot)
                return name + QStringLiteral(": the replayed record differs from the surface");
        } else if (auto *w = qobject_cast<QWidget *>(drive::find(what))) {
            shot = w->grab().toImage();
        }
        return shot.isNull() ? QStringLiteral("picture %1: nothing to take").arg(what) : dump::mismatch(shot, name);
    }

    static void compare(const QStringList &expected, const QStringList &now)
    {
        if (now == expected)
            return;
        QString diff;
        for (const QString &l : expected)
            if (!now.contains(l))
                diff += QStringLiteral("\n  - ") + l;
        for (const QString &l : now)
            if (!expected.contains(l))
                diff += QStringLiteral("\n  + ") + l;
        QFAIL(qPrintable(QStringLiteral("the state differs from the snapshot (- expected, + now):") +
                         (diff.isEmpty() ? QStringLiteral(" in its order") : diff)));
    }

public slots:
    void opened(const QUrl &url) { seen.notes << QStringLiteral("opened: ") + url.toString(); }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QApplication::setCursorFlashTime(0); // a cursor that does not blink
        QApplication::setFont(windowFont()); // as the program sets it for its boxes
        windows().quit = [] { ++seen.quits; };
        for (const char *scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "opened");
        if (Pass == u"bus") {
            QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
            QAccessible::installUpdateHandler(heard);
        }
        m_snapshots = readSnapshots();
        // The start: the main window shown; the help and splash windows as they are when first loaded.
        windows().frmHelp(), windows().frmSplash();
        settle();
        const QStringList loaded = dump::state(seen);
        reset(true);
        settle();
        m_start = dump::state(seen);
        for (const QString &line : loaded)
            if (line.startsWith(QLatin1String("frmHelp.")) || line.startsWith(QLatin1String("frmSplash.")))
                m_start << line;
    }
    void cleanupTestCase()
    {
        windows().destroyAll();
        for (const char *scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        // The snapshots as they are now: in place of the reviewed ones when updating, else beside the build.
        QDir().mkpath(QStringLiteral(ZELTAPLOT_GOLDEN_OUT));
        QFile f(Updating ? SnapshotFile : QStringLiteral(ZELTAPLOT_GOLDEN_OUT "/") + QFileInfo(SnapshotFile).fileName());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Text));
        f.write(("== start\n" + m_start.join(u'\n') + "\n").toUtf8());
        for (const QString &name : m_order)
            f.write(("\n== " + name + u'\n' + m_actual.value(name).join(u'\n') + u'\n').toUtf8());
    }

    void start()
    {
        if (!Updating)
            compare(m_snapshots.value(QStringLiteral("start")), m_start);
    }

    void row_data()
    {
        QTest::addColumn<QString>("steps");
        QFile table(QStringLiteral(ZELTAPLOT_SCENARIOS));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList names;
        for (const QString &line : QString::fromUtf8(table.readAll()).split(u'\n')) {
            if (line.trimmed().isEmpty() || line.startsWith(u'#'))
                continue;
            QString name = line.section(u'|', 0, 0).trimmed();
            const QString tag = name.startsWith(u'[') ? name.mid(1, name.indexOf(u']') - 1) : QString();
            if (tag != Pass)
                continue;
            name = name.mid(tag.isEmpty() ? 0 : tag.size() + 2).trimmed();
            QVERIFY2(!names.contains(name), qPrintable(QStringLiteral("two rows named ") + name));
            names << name;
            QTest::newRow(qPrintable(name)) << line.section(u'|', 1).trimmed();
        }
        // Rows not run this time keep their snapshots; rows gone from the table lose theirs.
        m_order = names;
        for (auto it = m_snapshots.cbegin(); it != m_snapshots.cend(); ++it)
            if (names.contains(it.key()))
                m_actual[it.key()] = it.value();
    }
    void row()
    {
        QFETCH(QString, steps);
        const QString name = QString::fromUtf8(QTest::currentDataTag());
        reset(!steps.startsWith(QLatin1String("start")));
        QString failed;
        try {
            for (const QString &s : steps.split(u';', Qt::SkipEmptyParts))
                if (failed = step(s); !failed.isEmpty())
                    break;
        } catch (const std::exception &e) {
            failed = QString::fromUtf8(e.what());
        }
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        settle();
        seen.dialogs = m_dialogs->shown;
        const QStringList changes = dump::changes(m_start, dump::state(seen));
        QLocale::setDefault(QLocale::c());
        m_actual[name] = changes;
        if (!Updating)
            compare(m_snapshots.value(name), changes);
    }
};

QTEST_MAIN(TstScenarios)
#include "tst_scenarios.moc"
