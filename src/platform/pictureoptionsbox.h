// The picture's choices as the Export and Print dialogs show them: the scale, bold lines, dark
// colours, transparent paper, and a line saying the scale and the paper.
#pragma once

#include "plot/printoptions.h"

#include <QSizeF>
#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

namespace zelta {

class PictureOptionsBox : public QWidget {
public:
    // For print, the paper is named with the area within its margins in millimetres; a file has
    // a page of the picture's own size.
    PictureOptionsBox(const PictureOptions &options, bool print, QWidget *parent = nullptr);
    PictureOptions options() const;
    void setPaper(const QString &name, QSizeF area);

private:
    void sayScale();

    bool m_print;
    QString m_paper;
    QSizeF m_area;
    QComboBox *m_scale;
    std::vector<QCheckBox *> m_checks;
    QLabel *m_said;
};

} // namespace zelta
