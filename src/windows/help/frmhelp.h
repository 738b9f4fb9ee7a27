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
    // The pointer left the window: its buttons sink.
    void leaveEvent(QEvent *event) override;
    // Tab and the arrows (which Qt's buttons turn into Tab) walk the topics, Close and the text.
    bool focusNextPrevChild(bool next) override;
    // Escape closes as Close does.
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Closed by its frame it is unloaded; the next How to... starts at the first topic.
    void closeEvent(QCloseEvent *event) override;

private:
    // The eight topic buttons, then Close.
    std::array<QPushButton *, Topics + 1> buttons() const;
    // The keyboard's place: a topic, Close (Topics), or the text (Topics + 1).
    int focusedStop() const;
    // Raises the stop's button and gives it the focus, or focuses the text shown.
    void focusStop(int stop, Qt::FocusReason reason);
    // Every raised button sinks but the one the keyboard is on.
    void sinkButtons();
};

} // namespace zelta
