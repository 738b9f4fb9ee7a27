// The curve window: the drawing surface with copy, save and reset, the pointer read-out, and the
// surface's own menu, which also exports and prints the picture.
#pragma once

#include <QWidget>

class QIODevice;
class QLabel;
class QMenu;
class QPushButton;

namespace zelta {

class ImageSurface;
class Trace;

class FrmCurve : public QWidget {
    Q_OBJECT
public:
    FrmCurve();

    void Form_Load();
    void Form_Unload();
    void CmdCopy_Click();
    void CmdSave_Click();
    void Cmd_Click();
    void PicCurve_MouseMove(float x, float y);
    // The surface's menu: Copy to Clipboard, Save as Bitmap..., Export..., Print....
    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuPlay_Click();
    void mnuPlayAll_Click();

    // Shows the window, modeless, in front of the main window.
    void showInFront();
    // After a curve is drawn: its label is kept for screen readers, and the surface reaches the
    // screen at once, not after the repaints that this window's activation brings.
    void curveDrawn(const QString &label);

    ImageSurface *PicCurve;
    QPushButton *CmdCopy, *CmdSave, *Cmd;
    QLabel *LblScale;
    QMenu *PictureMenu;
    Trace *trace() const { return m_trace; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The main window's controls as a reset leaves them (reset steps 3 and 4).
    void resetMainWindow();
    // The surface's menu, opened by the right button, the Menu key or Shift+F10 anywhere in the window.
    void buildPictureMenu();

    Trace *m_trace;
};

// Writes the picture as BMP to an open device; on failure the reason is in error.
bool writeBitmap(const QImage &picture, QIODevice &device, QString &error);
// Writes the picture as a BMP file; the existing file stays untouched on failure.
bool saveBitmap(const QImage &picture, const QString &fileName, QString *error = nullptr);

} // namespace zelta
