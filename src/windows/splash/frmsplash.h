// The splash window, shown at start-up and as the About box: the program's name and version
// over a sky, until a click or a typed key.
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace zelta {

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    FrmSplash();

    // At start-up the main and curve windows are made right after the first paint, so the
    // splash shows sooner; any input that comes first waits for them.
    enum class WindowsLoad { Now, AfterFirstPaint };
    void Form_Load(WindowsLoad when = WindowsLoad::Now);
    void Form_Click() { dismiss(); }
    void Form_KeyPress() { dismiss(); }
    // Shows the window in front, centred (start-up and About).
    void showInFront();

    QLabel *LblLoading, *imgLogo, *lblDeveloper, *lblNote, *lblVersion, *lblPlatform, *lblProductName,
        *lblCompanyProduct, *LblRequire;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Load steps 3 to 5: the main and curve windows, then the invitation to click.
    void loadWindows();
    // Shows the main window and unloads this one.
    void dismiss();

    QImage m_background; // kept in its 256 colours: a quarter of the memory of a pixmap
    bool m_windowsPending = false;
};

} // namespace zelta
