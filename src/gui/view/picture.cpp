#include "gui/view/picture.h"

#include "core/io/bmp_check.h"
#include "core/io/file_access.h"
#include "core/messages/catalogue.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

#include <sys/mman.h>

namespace vex {
namespace {

constexpr std::size_t kLargestFile = std::size_t(1) << 30;
constexpr qint64 kLargestPixelCount = Picture::kLargestPixelCount;

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
std::optional<UserMessage> refuseCutBmp(std::string_view head, std::uint64_t fileSize,
                                        const QString& path) {
    switch (checkBmpCompleteness(head, fileSize)) {
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

// A picture's worth of 32-bit pixels. A large one is asked of the system
// in huge pages where it has them: a few dozen faults instead of tens of
// thousands while the rows are filled in.
QImage blankPicture(int width, int height) {
    const auto bytesPerLine = static_cast<qsizetype>(width) * 4;
    const auto bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    if (bytes < 4 * kHugePage) return QImage(width, height, QImage::Format_RGB32);
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (memory == nullptr) return QImage(width, height, QImage::Format_RGB32);
#ifdef MADV_HUGEPAGE
    ::madvise(memory, rounded, MADV_HUGEPAGE);
#endif
    return QImage(
        static_cast<uchar*>(memory), width, height, bytesPerLine, QImage::Format_RGB32,
        [](void* block) { std::free(block); }, memory);
}

// The rows of an uncompressed BMP, a few megabytes at a time, each turned
// into 32-bit pixels where it belongs. A null picture when the file cannot
// be read to the end of its rows.
QImage readPlainBmp(const ReadableFile& file, const PlainBmpLayout& layout) {
    QImage image = blankPicture(layout.width, layout.height);
    if (image.isNull()) return image;
    const std::uint64_t rowsAtOnce = std::max<std::uint64_t>(1, (4u << 20) / layout.stride);
    std::string chunk;
    for (std::uint64_t first = 0; first < std::uint64_t(layout.height); first += rowsAtOnce) {
        const std::uint64_t rows = std::min(rowsAtOnce, std::uint64_t(layout.height) - first);
        const std::size_t bytes = static_cast<std::size_t>(rows * layout.stride);
        if (!file.readAt(layout.pixelOffset + first * layout.stride, bytes, chunk) ||
            chunk.size() != bytes)
            return QImage();
        for (std::uint64_t r = 0; r < rows; ++r) {
            const auto fileRow = static_cast<int>(first + r);
            const int y = layout.topDown ? fileRow : layout.height - 1 - fileRow;
            const auto* in =
                reinterpret_cast<const unsigned char*>(chunk.data() + r * layout.stride);
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < layout.width; ++x, in += layout.bytesPerPixel)
                out[x] = qRgb(in[2], in[1], in[0]);
        }
    }
    return image;
}

} // namespace

bool isPictureFile(const std::string& path) {
    if (checkReadableFile(path, kLargestFile)) return false; // never waits on a pipe or device
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true); // by what is in it, not by its name
    return reader.canRead();
}

std::optional<UserMessage> Picture::refusalOfSize(const QSize& size, const QString& name) {
    return refuseGiant(size, name);
}

std::optional<UserMessage> Picture::load(const QString& path) {
    // A large uncompressed BMP is read row by row straight into the picture,
    // never held twice in memory; anything else goes to Qt's decoders whole.
    ReadableFile file;
    if (auto refusal = file.open(path.toStdString(), kLargestFile)) return refusal;
    std::string head;
    if (!file.readAt(0, BmpHeadBytes, head)) return failure(msg::FileCannotOpen, path);
    if (!bmpIsRunLength(head)) {
        if (auto refusal = refuseCutBmp(head, file.size(), path)) return refusal;
        if (const std::optional<PlainBmpLayout> layout = plainBmpLayout(head)) {
            if (auto refusal = refuseGiant(QSize(layout->width, layout->height), path))
                return refusal;
            QImage image = readPlainBmp(file, *layout);
            if (image.isNull()) return failure(msg::PictureUnreadable, path);
            setImageHalvingsLater(image);
            return std::nullopt;
        }
    }
    // The file already open, read whole; only a run-length BMP is left to
    // check, as its stream needs every byte.
    std::string bytes;
    if (!file.readAt(0, static_cast<std::size_t>(file.size()), bytes))
        return failure(msg::FileCannotOpen, path);
    if (bmpIsRunLength(head))
        if (auto refusal = refuseCutBmp(bytes, bytes.size(), path)) return refusal;

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
    setImageHalvingsLater(image);
    return std::nullopt;
}

void Picture::setImage(const QImage& image) {
    setImageHalvingsLater(image);
    makeHalvingsNow();
}

void Picture::setImageHalvingsLater(const QImage& image) {
    levels_.clear();
    reduced_ = QImage();
    halvingsReady_ = false;
    ++generation_;
    levels_.push_back(image.convertToFormat(QImage::Format_RGB32));
}

std::vector<QImage> Picture::halvingsOf(const QImage& full) {
    constexpr int kSmallestLevel = 64;
    std::vector<QImage> halvings;
    const QImage* last = &full;
    while (last->width() / 2 >= kSmallestLevel && last->height() / 2 >= kSmallestLevel) {
        halvings.push_back(last->scaled(last->width() / 2, last->height() / 2,
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        last = &halvings.back();
    }
    return halvings;
}

void Picture::takeHalvings(std::vector<QImage> halvings) {
    if (isNull() || halvingsReady_) return;
    levels_.resize(1);
    for (QImage& h : halvings) levels_.push_back(std::move(h));
    halvingsReady_ = true;
}

void Picture::makeHalvingsNow() {
    if (!isNull() && !halvingsReady_) takeHalvings(halvingsOf(levels_.front()));
}

bool Picture::keepsReduced(const QSize& size) const {
    constexpr qint64 kLargestReducedPixels = qint64(32) << 20;
    return !isNull() && !size.isEmpty() &&
           qint64(size.width()) * size.height() <= kLargestReducedPixels;
}

const QImage& Picture::sourceOfReduced(const QSize& size) const {
    return sourceAmong(levels_, size);
}

const QImage& Picture::sourceAmong(const std::vector<QImage>& levels, const QSize& size) {
    float levelScale = 1.0f;
    return levelAmong(levels,
                      static_cast<float>(size.width()) / static_cast<float>(levels.front().width()),
                      levelScale);
}

QImage Picture::reduce(const QImage& source, const QSize& size) {
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

const QImage& Picture::reducedTo(const QSize& size) {
    if (reduced_.size() == size) return reduced_;
    reduced_ = QImage();
    if (!keepsReduced(size)) return reduced_;
    reduced_ = reduce(sourceOfReduced(size), size);
    return reduced_;
}

const QImage& Picture::levelFor(float zoom, float& levelScale) const {
    return levelAmong(levels_, zoom, levelScale);
}

const QImage& Picture::levelAmong(const std::vector<QImage>& levels, float zoom,
                                  float& levelScale) {
    const auto full = static_cast<float>(levels.front().width());
    std::size_t level = 0;
    levelScale = 1.0f;
    while (level + 1 < levels.size()) {
        const float next = static_cast<float>(levels[level + 1].width()) / full;
        if (next < zoom) break;
        ++level;
        levelScale = next;
    }
    return levels[level];
}

} // namespace vex
