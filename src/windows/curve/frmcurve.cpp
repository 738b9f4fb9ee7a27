#include "windows/curve/frmcurve.h"

#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/savefile.h"
#include "platform/twips.h"
#include "plot/geometry.h"
#include "plot/imagesurface.h"
#include "plot/picturefiles.h"
#include "windows/curve/trace.h"
#include "windows/main/frmmain.h"
#include "windows/decor.h"
#include "windows/windows.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace zelta {

namespace {

const QLatin1String TraceKeys(" Left and Right trace a curve, Ctrl for big boxes, Home and End to its ends; Up and Down "
                              "choose the curve; Space plays it.");

// Tells a screen reader what the surface shows: the scale and the curves' labels.
class SurfaceAccessible : public QAccessibleWidget {
public:
    explicit SurfaceAccessible(ImageSurface *surface) : QAccessibleWidget(surface, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Graph");
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const auto *surface = static_cast<const ImageSurface *>(widget());
        const auto *curve = qobject_cast<const FrmCurve *>(surface->window());
        // The caption after a closed curve window ends with its own full stop.
        QString scale = curve ? curve->LblScale->text() : QString();
        if (!scale.isEmpty())
            scale += scale.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ");
        if (surface->curveLabels().isEmpty())
            return scale + QStringLiteral("No curves drawn.") + TraceKeys;
        return scale + QStringLiteral("Curves: ") + surface->curveLabels().join(QStringLiteral("; ")) + u'.' + TraceKeys;
    }
};

QAccessibleInterface *surfaceAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("zelta::ImageSurface") && object->isWidgetType())
        return new SurfaceAccessible(static_cast<ImageSurface *>(object));
    return nullptr;
}

} // namespace

FrmCurve::FrmCurve()
{
    setObjectName(QStringLiteral("frmCurve"));
    setWindowTitle(QStringLiteral("Curve"));
    setWindowIcon(programIcon());
    setFont(windowFont());
    setFixedSize(twipsToPixels(9195), twipsToPixels(7065));
    centreOnScreen(this);

    PicCurve = new ImageSurface(this);
    PicCurve->setObjectName(QStringLiteral("PicCurve"));
    PicCurve->setGeometry(twipsRect(0, 0, SurfaceWidth, SurfaceHeight));
    PicCurve->mouseMoved = [this](float x, float y) { PicCurve_MouseMove(x, y); };

    const auto button = [this](const char *name, const char *caption, int left, int width) {
        auto *b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(twipsRect(left, 6240, width, 375));
        return b;
    };
    CmdCopy = button("CmdCopy", "Copy to Clipboard", 960, 2295);
    CmdSave = button("CmdSave", "Save as Bitmap", 3480, 2295);
    Cmd = button("Cmd", "Reset Zeltaplot", 6000, 2415);
    LblScale = new QLabel(QStringLiteral("Scale: One big square on each axis represents one units."), this);
    LblScale->setObjectName(QStringLiteral("LblScale"));
    LblScale->setGeometry(twipsRect(0, 6840, 9135, 255));
    LblScale->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Designed tab order: the surface, Reset, the scale label, Save, Copy.
    PicCurve->setFocusPolicy(Qt::StrongFocus);
    PicCurve->installEventFilter(this);
    // After this window's filter, so the trace sees the focus leave before the filter takes it.
    m_trace = new Trace(PicCurve, [] { return int(windows().frmMain()->plot.UnitTwips); });
    setTabOrder(PicCurve, Cmd);
    setTabOrder(Cmd, CmdSave);
    setTabOrder(CmdSave, CmdCopy);

    static const bool factory = (QAccessible::installFactory(surfaceAccessible), true);
    Q_UNUSED(factory);
    // Keys of habit while this window is active; the captions stay as they are.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &FrmCurve::CmdCopy_Click);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &FrmCurve::CmdSave_Click);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &FrmCurve::mnuPrint_Click);
    buildPictureMenu();

    connect(CmdCopy, &QPushButton::clicked, this, &FrmCurve::CmdCopy_Click);
    connect(CmdSave, &QPushButton::clicked, this, &FrmCurve::CmdSave_Click);
    connect(Cmd, &QPushButton::clicked, this, &FrmCurve::Cmd_Click);
    pressedByEnter(this);
}

void FrmCurve::showInFront()
{
    // Raising and activating a window already in front would only repaint it.
    if (isVisible() && isActiveWindow())
        return;
    show();
    raise();
    activateWindow();
}

void FrmCurve::curveDrawn(const QString &label)
{
    PicCurve->noteCurve(label);
    PicCurve->showDrawn();
}

void FrmCurve::Form_Load() { PicCurve->Cls(); }

void FrmCurve::CmdCopy_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // The bitmap as setImage gives it, and beside it the drawing for programs that take vectors.
    auto *data = new QMimeData;
    data->setImageData(PicCurve->Image());
    data->setData(QStringLiteral("image/svg+xml"), svgPicture(PicCurve->record()));
    clipboard->setMimeData(data);
}

bool writeBitmap(const QImage &picture, QIODevice &device, QString &error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture)) {
        error = writer.errorString();
        return false;
    }
    return writeAll(device, bytes, error);
}

bool saveBitmap(const QImage &picture, const QString &fileName, QString *error)
{
    return saveFile(
        fileName, [&picture](QIODevice &device, QString &reason) { return writeBitmap(picture, device, reason); },
        error);
}

void FrmCurve::CmdSave_Click()
{
    const QString fileName = dialogs().saveBitmapName();
    if (fileName.isEmpty())
        return;
    QString reason;
    if (!saveBitmap(PicCurve->Image(), fileName, &reason))
        dialogs().message(QStringLiteral("The picture was not saved to %1: %2").arg(fileName, reason));
}

void FrmCurve::resetMainWindow()
{
    FrmMain *main = windows().frmMain();
    main->TxtEquation->setText(QString());
    assignText(main->TxtStartX, QStringLiteral("-9"));
    assignText(main->TxtEndX, QStringLiteral("9"));
    assignText(main->TxtCoeff, QString());
    main->lblDes->setText(
        QStringLiteral("Enter the settings of the grid or choose the default values and click Set grid."));
    main->disableEquationButtons();
    main->CmdGrid->setEnabled(true);
    main->reset();
}

void FrmCurve::Cmd_Click()
{
    QGuiApplication::clipboard()->clear();
    hide();
    resetMainWindow();
    FrmMain *main = windows().frmMain();
    main->showSettingsPanel();
    main->focusOptOne();
}

void FrmCurve::Form_Unload()
{
    m_trace->stop();
    resetMainWindow();
}

void FrmCurve::mnuPlay_Click() { m_trace->playCurve(); }

void FrmCurve::mnuPlayAll_Click() { m_trace->playCurve(true); }

bool FrmCurve::eventFilter(QObject *watched, QEvent *event)
{
    // The surface shows no mark of the focus: Qt would repaint all of it each time this window
    // is activated or deactivated, as every Sketch from the main window does.
    if (watched == PicCurve && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        return true;
    return QWidget::eventFilter(watched, event);
}

void FrmCurve::closeEvent(QCloseEvent *event)
{
    event->accept();
    windows().unloadCurve();
}

void FrmCurve::PicCurve_MouseMove(float x, float y)
{
    FrmMain *main = windows().frmMain();
    float u = 500;
    if (main->OptFour->isChecked())
        u = 125;
    else if (main->OptHalf->isChecked())
        u = 1000;
    else if (main->OptOne->isChecked())
        u = 500;
    else if (main->OptTwo->isChecked())
        u = 250;
    const float a = x - OriginColumn;
    const float b = OriginRow - y;
    // Where the decimal separator is a comma, ";" keeps the two numbers apart.
    const QChar separator = QLocale().decimalPoint() == u',' ? u';' : u',';
    PicCurve->setToolTipText(readoutNumber(a / u) + separator + readoutNumber(b / u));
}

} // namespace zelta
