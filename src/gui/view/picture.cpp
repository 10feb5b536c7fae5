#include "gui/view/picture.h"

#include "core/io/bmp_check.h"
#include "core/io/file_access.h"
#include "core/messages/catalogue.h"

#include <QBuffer>
#include <QImageReader>

namespace vex {
namespace {

constexpr std::size_t kLargestFile = std::size_t(1) << 30;
// Kept as 32-bit pixels with halved copies beside them: 600 MB at this size.
constexpr qint64 kLargestPixelCount = 150'000'000;

UserMessage failure(int number, const QString& path) {
    UserMessage m;
    m.number = number;
    m.kind = MessageKind::Warning;
    m.args[0] = path.toStdString();
    return m;
}

std::optional<UserMessage> refuseGiant(const QSize& size, const QString& path) {
    if (qint64(size.width()) * size.height() <= kLargestPixelCount) return std::nullopt;
    UserMessage m = failure(msg::PictureTooLarge, path);
    m.args[1] = std::to_string(size.width());
    m.args[2] = std::to_string(size.height());
    m.args[3] = std::to_string(kLargestPixelCount / 1'000'000);
    return m;
}

// The messages for a BMP cut short, or nothing when it is whole.
std::optional<UserMessage> refuseCutBmp(const std::string& bytes, const QString& path) {
    switch (checkBmpCompleteness(bytes)) {
    case BmpCompleteness::HeaderCut:
        return failure(msg::PictureHeaderCut, path);
    case BmpCompleteness::PixelDataCut:
        return failure(msg::PictureDamaged, path);
    case BmpCompleteness::Complete:
        break;
    }
    return std::nullopt;
}

// Decodes into a picture made blank beforehand where the header tells its
// size and format: pixels a file leaves out (runs skipped by a compressed
// BMP) then come out as colour 0, never as whatever memory held.
QImage decodeOntoBlank(QImageReader& reader) {
    QImage image;
    if (reader.size().isValid() && reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(reader.size(), reader.imageFormat());
        image.fill(0);
    }
    if (!reader.read(&image)) return QImage();
    return image;
}

} // namespace

bool isPictureFile(const std::string& path) {
    if (checkReadableFile(path, kLargestFile)) return false; // never waits on a pipe or device
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true); // by what is in it, not by its name
    return reader.canRead();
}

std::optional<UserMessage> Picture::load(const QString& path) {
    std::string bytes;
    if (auto refusal = readWholeFile(path.toStdString(), kLargestFile, bytes)) return refusal;
    if (auto refusal = refuseCutBmp(bytes, path)) return refusal;

    QBuffer buffer;
    // The reader works on the bytes where they are, without a copy.
    buffer.setData(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(2048); // megabytes: a decoded picture beyond this is refused
    if (auto refusal = refuseGiant(reader.size(), path)) return refusal;
    const QImage image = decodeOntoBlank(reader);
    if (image.isNull()) return failure(msg::PictureUnreadable, path);
    if (auto refusal = refuseGiant(image.size(), path)) return refusal;
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
