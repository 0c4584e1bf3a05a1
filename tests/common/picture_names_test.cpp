#include "picture_names.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureNames, KeepersWantBmpAnywhereAndTheReducerAtTheEndWithoutPatterns) {
    EXPECT_TRUE(NamesBmpPicture("boleto.bmp"));
    EXPECT_TRUE(NamesBmpPicture("Boleto.BmP"));
    EXPECT_TRUE(NamesBmpPicture("a.bmp.txt"));
    EXPECT_FALSE(NamesBmpPicture("boleto.bm"));
    EXPECT_FALSE(NamesBmpPicture(""));

    EXPECT_TRUE(IsAcceptedPictureName("Reducida.BMP"));
    EXPECT_TRUE(IsAcceptedPictureName(".bmp"));
    EXPECT_FALSE(IsAcceptedPictureName("a.bmp.txt"));
    EXPECT_FALSE(IsAcceptedPictureName("*.bmp"));
    EXPECT_FALSE(IsAcceptedPictureName("a?.bmp"));
    EXPECT_FALSE(IsAcceptedPictureName("bmp"));
}

TEST(PictureNames, PageNumbersGoBeforeTheLastBmp) {
    EXPECT_EQ(PageFileName("sistema.bmp", 0), "sistema 01.bmp");
    EXPECT_EQ(PageFileName("Foto.BMP", 11), "Foto 12.BMP");
    EXPECT_EQ(PageFileName("a.bmp.bmp", 99), "a.bmp 100.bmp");
    EXPECT_EQ(PageFileName("sin", 2), "sin 03");
}

}  // namespace
