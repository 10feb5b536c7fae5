#pragma once
// Plain text on the clipboard: the system clipboard in the program, a string
// in tests.

#include <optional>
#include <string>

namespace vex {

class ClipboardText {
  public:
    virtual ~ClipboardText() = default;
    virtual std::optional<std::string> get() const = 0; // nothing when there is no text
    virtual void set(const std::string& text) = 0;
};

class SystemClipboardText : public ClipboardText {
  public:
    std::optional<std::string> get() const override;
    void set(const std::string& text) override;
};

class MemoryClipboardText : public ClipboardText {
  public:
    std::optional<std::string> get() const override { return text_; }
    void set(const std::string& text) override { text_ = text; }

  private:
    std::optional<std::string> text_;
};

} // namespace vex
