// The splash window, shown at start-up and as the About box: the program's name and version
// over a sky, until a click or a typed key.
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace zelta {

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    FrmSplash();

    void Form_Load();
    void Form_Click() { dismiss(); }
    void Form_KeyPress() { dismiss(); }
    // Shows the window in front, centred (start-up and About).
    void showInFront();

    QLabel *LblLoading, *imgLogo, *lblDeveloper, *lblNote, *lblVersion, *lblPlatform, *lblProductName,
        *lblCompanyProduct, *LblRequire;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Shows the main window and unloads this one.
    void dismiss();

    QPixmap m_background;
};

} // namespace zelta
