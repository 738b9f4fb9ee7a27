#include "platform/pictureoptionsbox.h"

#include "plot/paperscale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace zelta {

namespace {
struct Check {
    const char *name;
    const char *caption;
    bool PictureOptions::*choice;
    bool forPrint;
};
// clang-format off
constexpr Check Checks[] = {
    {"boldLines", "&Bold lines", &PictureOptions::bold, true},
    {"darkColours", "&Dark colours", &PictureOptions::dark, true},
    {"transparentPaper", "Transparent paper (PNG, SVG)", &PictureOptions::transparent, false},
};
// clang-format on
} // namespace

PictureOptionsBox::PictureOptionsBox(const PictureOptions &options, bool print, QWidget *parent)
    : QWidget(parent), m_print(print), m_paper(QStringLiteral("A4")), m_area(190, 277)
{
    setObjectName(QStringLiteral("pictureOptions"));
    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    m_scale = new QComboBox(this);
    m_scale->setObjectName(QStringLiteral("paperScale"));
    for (const ScaleChoice &choice : ScaleChoices)
        m_scale->addItem(QString::fromLatin1(choice.caption));
    m_scale->setCurrentIndex(static_cast<int>(options.scale));
    auto *scaleLabel = new QLabel(QStringLiteral("S&cale:"), this);
    scaleLabel->setBuddy(m_scale);
    form->addRow(scaleLabel, m_scale);
    m_said = new QLabel(this);
    m_said->setObjectName(QStringLiteral("scaleAndPaper"));
    form->addRow(m_said);
    for (const Check &check : Checks) {
        if (print && !check.forPrint)
            continue;
        auto *box = new QCheckBox(QString::fromLatin1(check.caption), this);
        box->setObjectName(QString::fromLatin1(check.name));
        box->setChecked(options.*check.choice);
        form->addRow(box);
        m_checks.push_back(box);
    }
    connect(m_scale, &QComboBox::currentIndexChanged, this, &PictureOptionsBox::sayScale);
    sayScale();
}

PictureOptions PictureOptionsBox::options() const
{
    PictureOptions options;
    options.scale = static_cast<PictureOptions::Scale>(m_scale->currentIndex());
    for (QCheckBox *box : m_checks)
        for (const Check &check : Checks)
            if (box->objectName() == QLatin1String(check.name))
                options.*check.choice = box->isChecked();
    return options;
}

void PictureOptionsBox::setPaper(const QString &name, QSizeF area)
{
    m_paper = name;
    m_area = area;
    sayScale();
}

void PictureOptionsBox::sayScale()
{
    const auto scale = static_cast<PictureOptions::Scale>(m_scale->currentIndex());
    const PaperPlan plan = planOnPaper(scale, m_area);
    const QSizeF picture = trueSizeMm() * plan.zoom;
    const QString size = QStringLiteral("the picture %1 x %2 mm, a big box %3 mm")
                             .arg(picture.width(), 0, 'f', 0)
                             .arg(picture.height(), 0, 'f', 0)
                             .arg(ScaleChoices[0].bigBoxMm * plan.zoom, 0, 'f', 2);
    const QString paper = m_print || scale == PictureOptions::FitToPage
                              ? QStringLiteral("%1 %2").arg(m_paper, plan.turn ? QStringLiteral("landscape")
                                                                                : QStringLiteral("portrait"))
                              : QStringLiteral("a page of its own size");
    if (!plan.fits)
        m_said->setText(QStringLiteral("Too large for %1; the largest scale that fits is %2.")
                            .arg(m_paper, scaleCaption(plan.largest).toLower()));
    else
        m_said->setText(QStringLiteral("On %1: %2.").arg(paper, size));
}

} // namespace zelta
