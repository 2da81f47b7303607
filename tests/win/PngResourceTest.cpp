// The skin images decoded from this program's own resources (PngResourceTest.rc embeds the
// same list as the product).
#include "ui/PngImageCache.h"
#include "ui/PngResource.h"
#include "ui/SkinPaint.h"
#include "framework/GdiObject.h"

#include "WindowKit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// A garbage resource of type "PNG" that the test script adds.
constexpr UINT kNotAPicture = 9401;

struct ImageGroup {
    UINT first;
    UINT last;
    UINT width;
    UINT height;
    bool bAlpha;
};

// Every image the windows lay out by, with the size their geometry assumes.
constexpr ImageGroup kImages[] = {
    {148, 148, 410, 611, true}, {149, 149, 400, 600, false}, {150, 150, 48, 16, true},
    {151, 154, 26, 34, false},  {155, 155, 232, 132, true},  {156, 156, 204, 104, true},
    {157, 160, 26, 34, false},  {161, 164, 266, 60, true},   {165, 168, 58, 18, false},
    {169, 169, 330, 150, true}, {170, 170, 320, 140, false}, {171, 173, 55, 24, false},
    {174, 176, 12, 12, false},  {177, 185, 55, 24, false},   {186, 186, 410, 479, true},
    {187, 187, 400, 468, true}, {188, 191, 12, 12, false},   {197, 200, 266, 60, true},
    {201, 201, 541, 402, true}, {202, 205, 266, 60, true},   {206, 217, 82, 47, false},
};

using ImagePtr = CImagePtr;

class PngResource : public testing::Test {
protected:
    GdiplusSession m_gdiplus;
};

} // namespace

TEST_F(PngResource, EveryImageDecodesWithItsSizeAndAlpha) {
    for (const ImageGroup& group : kImages) {
        for (UINT nId = group.first; nId <= group.last; ++nId) {
            SCOPED_TRACE(nId);
            Gdiplus::Image* pImage = nullptr;
            ASSERT_TRUE(LoadPngResource(&pImage, nId));
            ASSERT_NE(pImage, nullptr);
            const ImagePtr image(pImage);
            EXPECT_EQ(image->GetLastStatus(), Gdiplus::Ok);
            EXPECT_EQ(image->GetWidth(), group.width);
            EXPECT_EQ(image->GetHeight(), group.height);
            EXPECT_EQ(Gdiplus::IsAlphaPixelFormat(image->GetPixelFormat()) != FALSE, group.bAlpha);
            // Copied directly, each image gives the very pixels that GDI+'s drawing gives.
            const int w = static_cast<int>(group.width), h = static_cast<int>(group.height);
            CMemDC drawn(nullptr, w, h, CMemDC::Surface::Dib32);
            CMemDC copied(nullptr, w, h, CMemDC::Surface::Dib32);
            Gdiplus::Graphics(drawn).DrawImage(image.get(), 0, 0, w, h);
            ASSERT_TRUE(group.bAlpha ? CopyImagePixels(image.get(), copied.Bits(), w, h)
                                     : DrawOpaqueImage(copied, image.get(), w, h));
            EXPECT_EQ(std::memcmp(drawn.Bits(), copied.Bits(), std::size_t(w) * std::size_t(h) * 4),
                      0);
        }
    }
}

TEST_F(PngResource, MissingIdFailsAndLeavesTheSlotAlone) {
    for (UINT nId : {147u, 192u, 194u, 196u, 218u}) {
        Gdiplus::Image* const pSentinel = reinterpret_cast<Gdiplus::Image*>(&m_gdiplus);
        Gdiplus::Image* pImage = pSentinel;
        EXPECT_FALSE(LoadPngResource(&pImage, nId)) << nId;
        EXPECT_EQ(pImage, pSentinel) << nId;
    }
}

TEST_F(PngResource, TwoLoadsOfOneIdGiveTwoIndependentImages) {
    Gdiplus::Image* pFirst = nullptr;
    Gdiplus::Image* pSecond = nullptr;
    ASSERT_TRUE(LoadPngResource(&pFirst, 183));
    ASSERT_TRUE(LoadPngResource(&pSecond, 183));
    ImagePtr first(pFirst);
    const ImagePtr second(pSecond);
    EXPECT_NE(pFirst, pSecond);
    first.reset();
    EXPECT_EQ(second->GetWidth(), 55u);
}

TEST_F(PngResource, ImageDrawsWithItsAlphaAfterTheLoaderReturned) {
    Gdiplus::Image* pImage = nullptr;
    ASSERT_TRUE(LoadPngResource(&pImage, 148));
    const ImagePtr image(pImage);
    Gdiplus::Bitmap target(410, 611, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&target);
        graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
        ASSERT_EQ(graphics.DrawImage(image.get(), 0, 0, 410, 611), Gdiplus::Ok);
    }
    Gdiplus::Color corner, centre;
    ASSERT_EQ(target.GetPixel(0, 0, &corner), Gdiplus::Ok);
    ASSERT_EQ(target.GetPixel(205, 300, &centre), Gdiplus::Ok);
    // The shadow margin stays see-through; the window itself is opaque.
    EXPECT_EQ(corner.GetA(), 0);
    EXPECT_EQ(centre.GetA(), 255);
}

TEST_F(PngResource, UndecodableBytesGiveAnEmptyImageThatDrawsNothing) {
    Gdiplus::Image* pImage = nullptr;
    ASSERT_TRUE(LoadPngResource(&pImage, kNotAPicture));
    ASSERT_NE(pImage, nullptr);
    const ImagePtr image(pImage);
    EXPECT_EQ(image->GetWidth(), 0u);
    EXPECT_EQ(image->GetHeight(), 0u);
}

// Asked for while a prefetch decodes them, images are decoded once, by one thread or the other.
TEST_F(PngResource, APrefetchAndItsCallersShareOneImageEach) {
    static constexpr UINT kIds[] = {206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 216, 217};
    CPngImageCache::Prefetch(kIds);
    std::weak_ptr<Gdiplus::Image> seen[std::size(kIds)];
    for (std::size_t i = 0; i < std::size(kIds); ++i) {
        seen[i] = CPngImageCache::Get(kIds[i]);
    }
    for (std::size_t i = 0; i < std::size(kIds); ++i) {
        EXPECT_EQ(seen[i].lock(), CPngImageCache::Get(kIds[i])) << kIds[i];
    }
}
