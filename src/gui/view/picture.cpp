#include "gui/view/picture.h"

#include "core/io/bmp_check.h"
#include "core/messages/catalogue.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace vex {
namespace {

constexpr qint64 kLargestFile = qint64(1) << 30;

UserMessage failure(int number, const QString& path) {
    UserMessage m;
    m.number = number;
    m.kind = MessageKind::Warning;
    m.args[0] = path.toStdString();
    return m;
}

} // namespace

std::optional<UserMessage> Picture::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failure(msg::FileCannotOpen, path);
    if (file.size() > kLargestFile) return failure(msg::FileTooLarge, path);
    const QByteArray bytes = file.readAll();
    if (!bmpPixelDataComplete(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return failure(msg::PictureDamaged, path);

    QBuffer buffer;
    buffer.setData(bytes); // shares the bytes, no copy
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(2048); // megabytes: a decoded picture beyond this is refused
    QImage image = reader.read();
    if (image.isNull()) return failure(msg::PictureUnreadable, path);
    setImage(image);
    return std::nullopt;
}

void Picture::setImage(const QImage& image) {
    constexpr int kSmallestLevel = 64;
    levels_.clear();
    reduced_ = QImage();
    levels_.push_back(image.convertToFormat(QImage::Format_RGB32));
    while (levels_.back().width() / 2 >= kSmallestLevel &&
           levels_.back().height() / 2 >= kSmallestLevel) {
        const QImage& last = levels_.back();
        levels_.push_back(last.scaled(last.width() / 2, last.height() / 2, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation));
    }
}

const QImage& Picture::reducedTo(const QSize& size) {
    constexpr qint64 kLargestReducedPixels = qint64(32) << 20;
    if (reduced_.size() == size) return reduced_;
    reduced_ = QImage();
    if (isNull() || size.isEmpty() || qint64(size.width()) * size.height() > kLargestReducedPixels)
        return reduced_;
    float levelScale = 1.0f;
    const QImage& level =
        levelFor(static_cast<float>(size.width()) / static_cast<float>(width()), levelScale);
    reduced_ = level.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return reduced_;
}

const QImage& Picture::levelFor(float zoom, float& levelScale) const {
    std::size_t level = 0;
    levelScale = 1.0f;
    while (level + 1 < levels_.size()) {
        const float next =
            static_cast<float>(levels_[level + 1].width()) / static_cast<float>(width());
        if (next < zoom) break;
        ++level;
        levelScale = next;
    }
    return levels_[level];
}

} // namespace vex
