#pragma once
// The chart picture, kept in a pixel format that paints fast.

#include "core/messages/user_message.h"

#include <QImage>
#include <QString>

#include <optional>

namespace vex {

class Picture {
  public:
    // Loads the file; on failure the previous picture stays and the reason
    // comes back as a message for the user.
    std::optional<UserMessage> load(const QString& path);
    void clear() { image_ = QImage(); }

    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }

  private:
    QImage image_;
};

} // namespace vex
