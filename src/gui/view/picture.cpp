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

    QBuffer buffer(const_cast<QByteArray*>(&bytes));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(2048); // megabytes: a decoded picture beyond this is refused
    QImage image = reader.read();
    if (image.isNull()) return failure(msg::PictureUnreadable, path);
    image_ = image.convertToFormat(QImage::Format_RGB32);
    return std::nullopt;
}

} // namespace vex
