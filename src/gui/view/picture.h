#pragma once
// The chart picture, kept in a pixel format that paints fast, with halved
// copies for drawing it smaller than life without shimmer or cost.

#include "core/messages/user_message.h"

#include <QImage>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace vex {

// Whether the regular file at `path` holds a picture Qt can decode, judged
// by its content.
bool isPictureFile(const std::string& path);

class Picture {
  public:
    // Kept as 32-bit pixels with halved copies beside them: 600 MB at this size.
    static constexpr qint64 kLargestPixelCount = 150'000'000;

    // Loads the file; on failure the previous picture stays and the reason
    // comes back as a message for the user.
    std::optional<UserMessage> load(const QString& path);
    void setImage(const QImage& image); // a picture made in memory, halved copies and all
    // The refusal of a picture of this size (too many pixels to hold), told
    // with `name`; nothing when it can be held.
    static std::optional<UserMessage> refusalOfSize(const QSize& size, const QString& name);
    // The picture alone; its halved copies follow through takeHalvings
    // (made in another thread) or makeHalvingsNow.
    void setImageHalvingsLater(const QImage& image);
    bool halvingsReady() const { return halvingsReady_; }
    static std::vector<QImage> halvingsOf(const QImage& full);
    void takeHalvings(std::vector<QImage> halvings);
    void makeHalvingsNow();
    // The full picture, then each halved copy made so far.
    const std::vector<QImage>& levels() const { return levels_; }
    void clear() {
        levels_.clear();
        reduced_ = QImage();
        halvingsReady_ = false;
        ++generation_;
    }

    bool isNull() const { return levels_.empty(); }
    int width() const { return isNull() ? 0 : levels_.front().width(); }
    int height() const { return isNull() ? 0 : levels_.front().height(); }
    const QImage& image() const { return levels_.front(); }

    // The copy to draw from at `zoom` screen pixels per picture pixel: the
    // smallest one still at least as detailed as the screen needs.
    // `levelScale` receives its size relative to the full picture.
    const QImage& levelFor(float zoom, float& levelScale) const;
    static const QImage& levelAmong(const std::vector<QImage>& levels, float zoom,
                                    float& levelScale);

    // The whole picture reduced to `size` (the picture at a zoom below 1),
    // made once per zoom so that a repaint is a plain copy. A null image
    // when that copy would be too large to keep.
    const QImage& reducedTo(const QSize& size);
    // The same, made elsewhere (another thread) and handed in: whether one
    // of that size is kept now, whether one may be kept at all, and the
    // copy it is made from.
    bool hasReduced(const QSize& size) const {
        return !reduced_.isNull() && reduced_.size() == size;
    }
    bool keepsReduced(const QSize& size) const;
    const QImage& sourceOfReduced(const QSize& size) const;
    static const QImage& sourceAmong(const std::vector<QImage>& levels, const QSize& size);
    static QImage reduce(const QImage& source, const QSize& size);
    void takeReduced(QImage reduced) { reduced_ = std::move(reduced); }
    // Changes with every new picture, so a copy made for an older one is not taken.
    int generation() const { return generation_; }

  private:
    std::vector<QImage> levels_; // full size, then each half the one before
    QImage reduced_;             // the last reduced copy
    int generation_ = 0;
    bool halvingsReady_ = false;
};

} // namespace vex
