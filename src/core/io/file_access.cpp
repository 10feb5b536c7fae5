#include "core/io/file_access.h"

#include "core/messages/catalogue.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace vex {
namespace {

UserMessage fileMessage(int number, const std::string& path) {
    UserMessage m;
    m.number = number;
    m.kind = MessageKind::Warning;
    m.args[0] = path;
    return m;
}

std::string temporaryNameFor(const std::string& path, int attempt) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return path + ".saving-" + std::to_string(stamp % 1000000007) + "-" +
           std::to_string(counter++) + "-" + std::to_string(attempt);
}

} // namespace

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::optional<UserMessage> readWholeFile(const std::string& path, std::size_t maxBytes,
                                         std::string& content) {
    std::error_code ec;
    const std::filesystem::path p = pathFromUtf8(path);
    if (std::filesystem::is_directory(p, ec)) return fileMessage(msg::FileCannotOpen, path);
    std::ifstream in(p, std::ios::binary);
    if (!in) return fileMessage(msg::FileCannotOpen, path);

    std::string data;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (data.size() + got > maxBytes) return fileMessage(msg::FileTooLarge, path);
        data.append(buffer, got);
    }
    if (in.bad()) return fileMessage(msg::FileCannotOpen, path);
    content = std::move(data);
    return std::nullopt;
}

std::optional<UserMessage> replaceFileContent(const std::string& path, std::string_view content) {
    const std::filesystem::path target = pathFromUtf8(path);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) return fileMessage(msg::FileCannotWrite, path);

    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::string tempName = temporaryNameFor(path, attempt);
        const std::filesystem::path temp = pathFromUtf8(tempName);
        // "x": never reuse or clobber an existing file of that name.
        std::FILE* f = std::fopen(temp.c_str(), "wbx");
        if (!f) continue;
        bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
        ok = std::fflush(f) == 0 && ok;
        ok = std::fclose(f) == 0 && ok;
        if (ok) {
            std::filesystem::rename(temp, target, ec);
            ok = !ec;
        }
        if (!ok) {
            std::filesystem::remove(temp, ec);
            return fileMessage(msg::FileCannotWrite, path);
        }
        return std::nullopt;
    }
    return fileMessage(msg::FileCannotWrite, path);
}

} // namespace vex
