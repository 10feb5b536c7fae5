#include "core/io/bmp_check.h"

#include "bmp_bytes.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

using testing::rleBmp;

std::string bytes(std::initializer_list<int> values) {
    std::string b;
    for (int v : values) b += static_cast<char>(v);
    return b;
}

// A decoder stops where the run data stops and leaves the rest of the
// picture as whatever memory held, so the data must reach its end marker
// (or the last row) inside the file, whatever the header says its size is.
TEST(BmpCheck, RunLengthDataMustReachItsEnd) {
    const auto judge = [](int bitCount, std::initializer_list<int> stream) {
        return checkBmpCompleteness(rleBmp(4, 2, bitCount, bytes(stream)));
    };
    using C = BmpCompleteness;
    // Two rows of four, ended by the end-of-bitmap code or by the last end of line.
    EXPECT_EQ(judge(8, {4, 7, 0, 0, 4, 7, 0, 1}), C::Complete);
    EXPECT_EQ(judge(8, {4, 7, 0, 0, 4, 7, 0, 0}), C::Complete);
    // Ended early on purpose: the decoder knows the rest is blank.
    EXPECT_EQ(judge(8, {0, 1}), C::Complete);
    // An absolute run of 3 is padded to 4 bytes; a delta moves on to the last row.
    EXPECT_EQ(judge(8, {0, 3, 1, 2, 3, 0, 0, 2, 0, 1, 4, 9, 0, 1}), C::Complete);
    // RLE4: an absolute run of 5 pixels takes 3 bytes, padded to 4.
    EXPECT_EQ(judge(4, {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 4, 0x77, 0, 1}), C::Complete);

    // Cut before the end: after a row, inside an absolute run, inside a delta.
    EXPECT_EQ(judge(8, {4, 7, 0, 0, 4, 7}), C::PixelDataCut);
    EXPECT_EQ(judge(8, {0, 3, 1, 2, 3}), C::PixelDataCut);
    EXPECT_EQ(judge(8, {0, 2, 1}), C::PixelDataCut);
    EXPECT_EQ(judge(4, {0, 5, 0x12, 0x34, 0x50}), C::PixelDataCut);
    EXPECT_EQ(judge(8, {}), C::PixelDataCut);
    // The data would start beyond the end of the file.
    std::string pastTheEnd = rleBmp(4, 2, 8, bytes({0, 1}));
    pastTheEnd.resize(pastTheEnd.size() - 3);
    EXPECT_EQ(checkBmpCompleteness(pastTheEnd), C::PixelDataCut);
}

TEST(BmpCheck, ACutHeaderIsToldApartFromCutPixels) {
    using C = BmpCompleteness;
    const std::string whole = rleBmp(4, 2, 8, bytes({0, 1}));
    for (std::size_t cut : {2u, 17u, 30u, 53u})
        EXPECT_EQ(checkBmpCompleteness(whole.substr(0, cut)), C::HeaderCut) << cut;

    // An uncompressed 3 x 2 picture of 24 bits: rows of 9 bytes padded to 12.
    const std::string rgb = testing::bmpHeader(3, 2, 24, 0, 0, 24);
    EXPECT_EQ(checkBmpCompleteness(rgb + std::string(24, '\0')), C::Complete);
    EXPECT_EQ(checkBmpCompleteness(rgb + std::string(23, '\0')), C::PixelDataCut);

    // Not a BMP at all: for the other readers to judge.
    EXPECT_EQ(checkBmpCompleteness("\x89PNG\r\n"), C::Complete);
    EXPECT_EQ(checkBmpCompleteness(""), C::Complete);
}

} // namespace
} // namespace vex
