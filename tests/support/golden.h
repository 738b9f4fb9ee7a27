// What the user sees, compared pixel for pixel with the pictures committed under tests/golden/.
// To make them anew after a change meant to alter them (and look at each before committing):
//   ZELTAPLOT_GOLDEN=update ctest --test-dir build -R pictures
#pragma once

#include <QImage>
#include <QString>

namespace golden {
// Empty when the picture equals tests/golden/<name>.png; otherwise what differs, with the actual
// picture and a difference picture (changed pixels red) written to the build's golden-out folder.
QString mismatch(const QImage &picture, const QString &name);
} // namespace golden
