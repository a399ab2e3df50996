#include <gtest/gtest.h>

#include "html/HtmlGenerator.h"

namespace glimtex {
namespace {

std::string Code(int16_t r, int16_t g, int16_t b) {
    return HtmlGenerator::HexColor(r, g, b).toStdString();
}

TEST(HexColor, TwoUpperCaseDigitsPerComponent) {
    EXPECT_EQ(Code(0, 0, 0), "000000");
    EXPECT_EQ(Code(10, 10, 10), "0A0A0A");
    EXPECT_EQ(Code(255, 255, 255), "FFFFFF");
    EXPECT_EQ(Code(16, 1, 255), "1001FF");
    EXPECT_EQ(Code(255, 0, 128), "FF0080");
    EXPECT_EQ(Code(5, 10, 15), "050A0F");
}

TEST(HexColor, ComponentOrderIsRedGreenBlue) {
    EXPECT_EQ(HtmlGenerator::HexColor(ColorTriple{1, 2, 3}).toStdString(), "010203");
}

TEST(HexColor, LargeComponentIsNotClamped) {
    EXPECT_EQ(Code(256, 0, 0), "1000000");
    EXPECT_EQ(Code(4096, 255, 0), "1000FF00");
    EXPECT_EQ(Code(32767, 0, 0), "7FFF0000");
}

TEST(HexColor, NegativeComponentIsSixteenBitTwosComplement) {
    EXPECT_EQ(Code(-1, 0, 0), "FFFF0000");
    EXPECT_EQ(Code(0, -256, 0), "00FF0000");
    EXPECT_EQ(Code(0, 0, -32768), "00008000");
}

}  // namespace
}  // namespace glimtex
