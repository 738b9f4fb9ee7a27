// The help window: eight topics listed on the left, the chosen one's title and text on the right.
// A topic's name rises into a button while the pointer is over it.
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace zelta {

class FrmHelp : public QWidget {
    Q_OBJECT
public:
    static constexpr int Topics = 8;

    FrmHelp();

    void Form_Load();
    void cmdDes_Click(int index);
    void cClose_Click() { hide(); }
    // How to...: shown as it was left, in front.
    void showInFront();
    int currentTopic() const;

    QLabel *lblIntro;
    std::array<QLabel *, Topics> lblDes, lblOnTop;
    std::array<QPushButton *, Topics> cmdDes;
    std::array<QTextBrowser *, Topics> txtHelp;
    QLabel *lClose;
    QPushButton *cClose;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    // Closed by its frame it is unloaded; the next How to... starts at the first topic.
    void closeEvent(QCloseEvent *event) override;
};

} // namespace zelta
