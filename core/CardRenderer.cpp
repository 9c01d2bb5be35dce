// Rendering only what changed: the touched rectangles, the whole of every object whose own picture,
// mask, bounds or passes changed, and the bounds of the objects that became or stopped being the
// topmost (which the composed canvas leaves out) are rendered again from the backdrop up.
#include "core/CardRenderer.h"

#include "core/Bitmap.h"
#include "core/CardArea.h"

#include <map>
#include <utility>

namespace festoon {
namespace {

// Whether two layers render to the same picture over the same pixels beneath.
bool SameLook(const Layer& a, const Layer& b) {
    return a.bounds == b.bounds && a.blendPasses == b.blendPasses &&
           a.picture.cacheKey() == b.picture.cacheKey() && a.mask.cacheKey() == b.mask.cacheKey();
}

// Pictures of an earlier rendering that nothing else holds, by size, for new pictures to take over.
class SpareBitmaps {
  public:
    void Keep(QImage image) {
        if (!image.isNull() && image.isDetached()) {
            spare_.emplace(std::make_pair(image.width(), image.height()), std::move(image));
        }
    }

    QImage Take(QSize size) {
        const auto found = spare_.find(std::make_pair(size.width(), size.height()));
        if (found == spare_.end()) {
            return UnfilledBitmap(size);
        }
        QImage image = std::move(found->second);
        spare_.erase(found);
        return image;
    }

  private:
    std::multimap<std::pair<int, int>, QImage> spare_;
};

} // namespace

void CardRenderer::Clear() {
    card_.reset();
    rendered_ = RenderedCard();
    stretched_ = StretchCache();
}

QRegion CardRenderer::Render(const Composition& card) {
    std::optional<QList<QRect>> touched;
    // A turned object's picture covers more than its bounds, and the rectangles of a change do not say
    // where: a card that has or had one is rendered whole.
    if (card_ && AllUpright(card) && AllUpright(*card_) && rendered_.composed.size() == card.CanvasSize() &&
        rendered_.pictures.size() == card_->Layers().size()) {
        touched = card.TouchedSince(*card_);
    }
    if (!touched) {
        return RenderAll(card);
    }
    const QRegion changed = RenderTouched(card, *touched);
    card_ = card;
    return changed;
}

QRegion CardRenderer::RenderAll(const Composition& card) {
    if (!AllUpright(card)) {
        rendered_ = RenderCard(card, scratch_);
        card_ = card;
        return QRegion(QRect(QPoint(0, 0), card.CanvasSize()));
    }
    SpareBitmaps spare;
    spare.Keep(std::exchange(rendered_.composed, QImage()));
    for (QImage& picture : rendered_.pictures) {
        spare.Keep(std::exchange(picture, QImage()));
    }
    rendered_.pictures.clear();
    rendered_.composed = spare.Take(card.CanvasSize());
    for (const Layer& layer : card.Layers()) {
        rendered_.pictures.append(spare.Take(layer.bounds.size()));
    }
    stretched_.Update(card);
    RenderAreas(card, rendered_, {WholeCard(card)}, &stretched_);
    card_ = card;
    return QRegion(QRect(QPoint(0, 0), card.CanvasSize()));
}

QRegion CardRenderer::RenderTouched(const Composition& card, const QList<QRect>& touched) {
    const QList<Layer>& before = card_->Layers();
    QList<QRect> areas = touched;
    // The earlier pictures by slot; those not taken over below lend their memory to new ones.
    std::map<int, qsizetype> earlierIndex;
    for (qsizetype i = 0; i < before.size(); ++i) {
        earlierIndex[before[i].slot] = i;
    }
    QList<QImage> earlierPictures = std::exchange(rendered_.pictures, {});
    QList<bool> renderAgain;
    for (const Layer& layer : card.Layers()) {
        const auto earlier = earlierIndex.find(layer.slot);
        const bool same = earlier != earlierIndex.end() && SameLook(before[earlier->second], layer);
        rendered_.pictures.append(same ? std::exchange(earlierPictures[earlier->second], QImage())
                                       : QImage());
        renderAgain.append(!same);
        if (!same) {
            areas.append(layer.bounds);
        }
    }
    SpareBitmaps spare;
    for (QImage& picture : earlierPictures) {
        spare.Keep(std::move(picture));
    }
    for (qsizetype i = 0; i < renderAgain.size(); ++i) {
        if (renderAgain[i]) {
            rendered_.pictures[i] = spare.Take(card.Layers()[i].bounds.size());
        }
    }
    // The composed canvas leaves the topmost object out: a change of topmost object changes it under
    // both. The former topmost object, unchanged and now right beneath the new one, only needs its
    // picture drawn in (what lies beneath it did not change, except where areas are rendered anyway).
    const Layer* topBefore = card_->TopLayer();
    const Layer* top = card.TopLayer();
    qsizetype drawnIn = -1;
    if ((topBefore == nullptr) != (top == nullptr) || (top != nullptr && topBefore->slot != top->slot)) {
        const qsizetype formerIndex = topBefore == nullptr ? -1 : card.LayerIndex(topBefore->slot);
        if (formerIndex >= 0 && formerIndex == card.Layers().size() - 2 && !renderAgain[formerIndex]) {
            drawnIn = formerIndex;
        } else {
            for (const Layer* layer : {topBefore, formerIndex >= 0 ? &card.Layers()[formerIndex] : nullptr}) {
                if (layer != nullptr) {
                    areas.append(layer->bounds);
                }
            }
        }
        if (top != nullptr) {
            areas.append(top->bounds);
        }
    }
    if (drawnIn >= 0) {
        DrawUnscaled(rendered_.pictures[drawnIn], rendered_.composed,
                     card.Layers()[drawnIn].bounds.topLeft());
    }
    const std::vector<QRect> disjoint = DisjointAreas(areas);
    stretched_.Update(card);
    RenderAreas(card, rendered_, disjoint, &stretched_);
    QRegion changed;
    const QRect canvas(QPoint(0, 0), card.CanvasSize());
    for (const QRect& area : disjoint) {
        changed += area.intersected(canvas);
    }
    return changed;
}

} // namespace festoon
