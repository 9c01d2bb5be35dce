// Random cards made through the card's own operations, so that each is one a user could make.
#include "tests/core/RandomCards.h"

#include "tests/core/RandomBitmap.h"

namespace festoon {
namespace {

int Between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// A picture of a random size; one in eight is null, and small ones are enlarged when rendered.
QImage RandomPicture(std::mt19937& random) {
    if (Between(random, 0, 7) == 0) {
        return QImage();
    }
    return RandomBitmap(Between(random, 1, 120), Between(random, 1, 120), random);
}

} // namespace

QRect RandomBounds(std::mt19937& random, QSize canvas) {
    if (Between(random, 0, 15) == 0) {
        return QRect(Between(random, 0, canvas.width()), Between(random, 0, canvas.height()), 0, 5);
    }
    const int w = Between(random, 1, std::max(2, canvas.width() / 2));
    const int h = Between(random, 1, std::max(2, canvas.height() / 2));
    return QRect(Between(random, -w / 2, canvas.width() - w / 2),
                 Between(random, -h / 2, canvas.height() - h / 2), w, h);
}

void PlaceRandomObject(Composition& card, std::mt19937& random) {
    const QImage picture = RandomPicture(random);
    const QImage mask = RandomPicture(random);
    card.PlaceObject(RandomBounds(random, card.CanvasSize()), picture, mask);
}

Composition RandomCard(std::mt19937& random, int most, QSize largest) {
    const QSize canvas(Between(random, 1, largest.width()), Between(random, 1, largest.height()));
    Composition card(canvas, RandomBitmap(Between(random, 1, 90), Between(random, 1, 90), random));
    const int objects = Between(random, 0, most);
    for (int i = 0; i < objects; ++i) {
        PlaceRandomObject(card, random);
    }
    for (int slot = 1; slot <= objects; ++slot) {
        if (Between(random, 0, 2) == 0) {
            // Moved by a drag: blended once until the next recomposition.
            card.SetBounds(slot, RandomBounds(random, canvas));
        }
    }
    return card;
}

} // namespace festoon
