// What lettering is made of, kept with the object so that its words can be changed later: the words
// (lines separated by '\n'), how they are drawn, and the outline and shadow that make them read on busy
// pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace festoon {

struct Lettering {
    static constexpr int kMaxOutlineWidth = 8;

    QString text;
    QFont font;
    QColor colour;
    QColor outlineColour = Qt::black;
    int outlineWidth = 0; // pixels, 0 to kMaxOutlineWidth; 0 draws no outline
    bool shadow = false;  // a soft dark shadow below and right of the words

    friend bool operator==(const Lettering&, const Lettering&) = default;
};

} // namespace festoon
