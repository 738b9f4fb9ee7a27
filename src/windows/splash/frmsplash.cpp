#include "windows/splash/frmsplash.h"

#include "platform/fonts.h"
#include "platform/twips.h"
#include "version.h"
#include "windows/decor.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace zelta {

namespace {

// Wine's bold Tahoma has the bold face's advances but the regular face's outlines. A stroke of
// 1/14 em around every glyph gives the stems the weight those advances were made for.
class EmboldenedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainterPath path;
        path.addText(contentsRect().left(), contentsRect().top() + QFontMetricsF(font()).ascent(), font(), text());
        const QColor ink = palette().color(foregroundRole());
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, QFontInfo(font()).pixelSize() / 14.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(ink);
        painter.drawPath(path);
    }
};

struct SplashLabel {
    QLabel *FrmSplash::*member;
    const char *name, *caption;
    int left, top, width, height;
    Qt::Alignment alignment;
    const char *family;
    double points;
    bool bold;
    bool sizedToText;
    bool emboldened;
};

// clang-format off
const SplashLabel Labels[] = {
    {&FrmSplash::LblLoading, "LblLoading", "Loading...", 2730, 3360, 1335, 255, Qt::AlignHCenter, "MS Sans Serif", 8.25, false, false, false},
    {&FrmSplash::imgLogo, "imgLogo", "", 330, 360, 1935, 2955, Qt::AlignLeft, nullptr, 0, false, false, false},
    {&FrmSplash::lblDeveloper, "lblDeveloper", "Developed by Quenlow", 4890, 3000, 2055, 255, Qt::AlignLeft, "Arial", 8.25, false, false, false},
    {&FrmSplash::lblNote, "lblNote", "This program lets you draw simple curves of the form y=f(x) and use them as bitmaps. ", 240, 3660, 6855, 195, Qt::AlignHCenter, "Arial", 8.25, false, false, false},
    {&FrmSplash::lblVersion, "lblVersion", "Version 1.1", 5700, 2700, 1275, 285, Qt::AlignRight, "Arial", 12, true, true, false},
    {&FrmSplash::lblPlatform, "lblPlatform", "Windows95", 5205, 2340, 1740, 360, Qt::AlignRight, "Arial", 15.75, true, true, false},
    {&FrmSplash::lblProductName, "lblProductName", "Tavrin", 2370, 600, 2700, 780, Qt::AlignLeft, "Tahoma", 32.25, true, true, true},
    {&FrmSplash::lblCompanyProduct, "lblCompanyProduct", "Zeltaplot", 2370, 1320, 4245, 675, Qt::AlignLeft, "Tahoma", 27.75, true, true, true},
    {&FrmSplash::LblRequire, "LblRequire", "Designed for", 4170, 2400, 975, 255, Qt::AlignHCenter, "MS Sans Serif", 8.25, false, false, false},
};
// clang-format on

} // namespace

FrmSplash::FrmSplash()
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    // No caption: a plain frame of its own, fixed in size.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(programIcon());
    setFixedSize(twipsToPixels(7380), twipsToPixels(4245));
    registerFonts();
    m_background.load(QStringLiteral(":/splash.png"));
    for (const SplashLabel &l : Labels) {
        const QString caption = QString::fromLatin1(l.caption);
        auto *label = l.emboldened ? new EmboldenedLabel(caption, this) : new QLabel(caption, this);
        label->setObjectName(QString::fromLatin1(l.name));
        label->setGeometry(twipsRect(l.left, l.top, l.width, l.height));
        label->setAlignment(l.alignment | Qt::AlignTop);
        if (l.family) {
            QFont font(QString::fromLatin1(l.family));
            font.setPointSizeF(l.points);
            font.setBold(l.bold);
            label->setFont(font);
        }
        if (l.sizedToText)
            label->adjustSize();
        this->*l.member = label;
    }
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/logo.jpg")));
    imgLogo->setScaledContents(true);
    setFocusPolicy(Qt::StrongFocus);
    centreOnScreen(this);
}

void FrmSplash::Form_Load(WindowsLoad when)
{
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(ZELTAPLOT_VERSION_MAJOR)
                            .arg(ZELTAPLOT_VERSION_MINOR)
                            .arg(ZELTAPLOT_VERSION_PATCH));
    lblProductName->setText(QStringLiteral("Tavrin"));
    // Both are sized to their captions.
    lblVersion->adjustSize();
    lblProductName->adjustSize();
    if (when == WindowsLoad::AfterFirstPaint) {
        // Nothing invites a click before a click can be answered.
        m_windowsPending = true;
        LblLoading->hide();
        return;
    }
    loadWindows();
}

void FrmSplash::loadWindows()
{
    m_windowsPending = false;
    windows().frmMain();
    windows().frmCurve();
    LblLoading->setText(QStringLiteral(" Click to continue"));
    LblLoading->show();
    // The window has no caption to be announced by: it is named and described for a screen reader.
    setAccessibleName(lblProductName->text() + u' ' + lblCompanyProduct->text());
    setAccessibleDescription(QStringLiteral("%1. %2 Click or press a key to continue.")
                                 .arg(lblVersion->text(), lblNote->text().trimmed()));
}

void FrmSplash::showInFront()
{
    show();
    raise();
    activateWindow();
}

bool FrmSplash::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Close:
        if (m_windowsPending)
            loadWindows();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void FrmSplash::paintEvent(QPaintEvent *)
{
    // Unscaled from the top-left corner: the window shows the picture's top-left part.
    QPainter(this).drawImage(0, 0, m_background);
    // Queued, so the picture reaches the screen first.
    if (m_windowsPending)
        QMetaObject::invokeMethod(
            this, [this] { if (m_windowsPending) loadWindows(); }, Qt::QueuedConnection);
}

void FrmSplash::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

void FrmSplash::keyPressEvent(QKeyEvent *event)
{
    // Only a key that types a character: Shift or an arrow alone leaves the splash up.
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress();
}

void FrmSplash::closeEvent(QCloseEvent *event)
{
    // Closed by the window manager: at start-up as a click would; as About it only goes.
    event->accept();
    if (windows().mainLoaded() && windows().frmMain()->isVisible())
        windows().unloadSplash();
    else
        dismiss();
}

void FrmSplash::dismiss()
{
    FrmMain *main = windows().frmMain();
    main->show();
    main->raise();
    main->activateWindow();
    windows().unloadSplash();
}

} // namespace zelta
