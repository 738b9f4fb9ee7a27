#include "windows/help/frmhelp.h"

#include "platform/fonts.h"
#include "platform/twips.h"
#include "windows/decor.h"
#include "windows/windows.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>
#include <type_traits>

namespace zelta {

namespace {

struct Topic {
    const char *name, *title, *file;
};

const std::array<Topic, FrmHelp::Topics> TopicTable{{
    {"Aims and Structure", "Aims and Structure", "aims"},
    {"Grid Settings", "Grid Settings", "grid"},
    {"The Equation", "The Equation", "equation"},
    {"The Graph", "The Graph", "graph"},
    {"Using the curve as Bitmap", "Using the curve as Bitmap", "bitmap"},
    {"Display Settings", "Display Settings", "display"},
    {"Sketching more than one Curve", "Sketching more than one Curve on the same grid", "more"},
    {"General Curves", "General Curves", "general"},
}};

template <typename W>
W *placed(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width, int height)
{
    W *w = nullptr;
    if constexpr (std::is_same_v<W, QTextBrowser>)
        w = new W(parent);
    else
        w = new W(caption, parent);
    w->setObjectName(name);
    w->setGeometry(twipsRect(left, top, width, height));
    return w;
}

QString helpText(const char *file)
{
    QFile f(QStringLiteral(":/help/%1.html").arg(QLatin1String(file)));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

FrmHelp::FrmHelp()
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowIcon(helpIcon());
    setFont(windowFont());
    setFixedSize(twipsToPixels(7110), twipsToPixels(3885));
    setMouseTracking(true);

    lblIntro = placed<QLabel>(this, "lblIntro", " Click on the appropriate: ", 120, 240, 2775, 255);
    for (int i = 0; i < Topics; ++i) {
        const Topic &t = TopicTable[static_cast<std::size_t>(i)];
        const int top = 600 + 360 * i;
        const QString index = QString::number(i);
        lblDes[i] = placed<QLabel>(this, "lblDes" + index, t.name, 240, top, 2775, 255);
        lblDes[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        cmdDes[i] = placed<QPushButton>(this, "cmdDes" + index, t.name, 240, top, 2895, 255);
        lblOnTop[i] = placed<QLabel>(this, "lblOnTop" + index, t.title, 3360, 240, 3495, 255);
        txtHelp[i] = placed<QTextBrowser>(this, "txtHelp" + index, QString(), 3360, 480, 3615, 3255);
        txtHelp[i]->setHtml(helpText(t.file));
        txtHelp[i]->setOpenExternalLinks(true);
        txtHelp[i]->setAccessibleName(QString::fromLatin1(t.title));
        connect(cmdDes[i], &QPushButton::clicked, this, [this, i] { cmdDes_Click(i); });
    }
    lClose = placed<QLabel>(this, "lClose", "Close", 240, 3480, 2895, 255);
    lClose->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    cClose = placed<QPushButton>(this, "cClose", "Close", 240, 3480, 2895, 255);
    connect(cClose, &QPushButton::clicked, this, &FrmHelp::cClose_Click);
    // A visible button covers its label. The keyboard reaches the buttons (the focused one is
    // raised); a click leaves the focus where it is, so the pointer's buttons rise and sink as designed.
    for (QPushButton *b : buttons()) {
        b->raise();
        b->setFocusPolicy(Qt::TabFocus);
        b->installEventFilter(this);
    }
    pressedByEnter(this);
    // Labels and buttons pass the pointer's moves on to the window, which knows what is under it;
    // Qt drops the moves of a control that does not track them.
    for (QWidget *w : findChildren<QWidget *>())
        if (qobject_cast<QLabel *>(w) || qobject_cast<QPushButton *>(w))
            w->setMouseTracking(true);
    centreOnScreen(this);
}

void FrmHelp::Form_Load()
{
    for (int i = 0; i < Topics; ++i) {
        cmdDes[i]->hide();
        lblOnTop[i]->hide();
        lblDes[i]->show();
        txtHelp[i]->hide();
    }
    lblOnTop[0]->show();
    txtHelp[0]->show();
    lClose->show();
    cClose->hide();
}

void FrmHelp::cmdDes_Click(int index)
{
    // The new text first takes over a focus the old one had, which hiding would leave stranded there.
    lblOnTop[index]->show();
    txtHelp[index]->show();
    if (std::find(txtHelp.begin(), txtHelp.end(), focusWidget()) != txtHelp.end())
        txtHelp[index]->setFocus(Qt::OtherFocusReason);
    for (int j = 0; j < Topics; ++j)
        if (j != index) {
            lblOnTop[j]->hide();
            txtHelp[j]->hide();
        }
}

int FrmHelp::currentTopic() const
{
    for (int i = 0; i < Topics; ++i)
        if (!txtHelp[i]->isHidden())
            return i;
    return -1;
}

void FrmHelp::showInFront()
{
    show();
    raise();
    activateWindow();
}

void FrmHelp::closeEvent(QCloseEvent *event)
{
    event->accept();
    windows().unloadHelp();
}

std::array<QPushButton *, FrmHelp::Topics + 1> FrmHelp::buttons() const
{
    std::array<QPushButton *, Topics + 1> all;
    std::copy(cmdDes.begin(), cmdDes.end(), all.begin());
    all[Topics] = cClose;
    return all;
}

int FrmHelp::focusedStop() const
{
    const auto all = buttons();
    return int(std::find(all.begin(), all.end(), focusWidget()) - all.begin());
}

void FrmHelp::focusStop(int stop, Qt::FocusReason reason)
{
    if (stop <= Topics) {
        buttons()[std::size_t(stop)]->show();
        buttons()[std::size_t(stop)]->setFocus(reason);
    } else {
        txtHelp[std::size_t(std::max(currentTopic(), 0))]->setFocus(reason);
    }
}

bool FrmHelp::focusNextPrevChild(bool next)
{
    // The stops in order: the eight topics, Close, the text shown.
    const int stops = Topics + 2;
    focusStop((focusedStop() + (next ? 1 : stops - 1)) % stops, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void FrmHelp::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        cClose_Click();
    else
        QWidget::keyPressEvent(event);
}

bool FrmHelp::eventFilter(QObject *watched, QEvent *event)
{
    // A button the keyboard leaves sinks, as under a pointer that moved on, unless the pointer is on it.
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        auto *button = static_cast<QPushButton *>(watched);
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !button->underMouse())
            button->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmHelp::sinkButtons()
{
    for (QPushButton *b : buttons())
        if (b != focusWidget())
            b->hide();
}

void FrmHelp::leaveEvent(QEvent *event)
{
    sinkButtons();
    QWidget::leaveEvent(event);
}

void FrmHelp::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over labels and buttons that ignore them arrive here; the text boxes keep theirs.
    QWidget *under = childAt(event->position().toPoint());
    if (!under) {
        sinkButtons();
    } else if (under == lClose) {
        cClose->show();
    } else {
        for (int i = 0; i < Topics; ++i)
            if (under == lblDes[i])
                cmdDes[i]->show();
    }
    QWidget::mouseMoveEvent(event);
}

} // namespace zelta
