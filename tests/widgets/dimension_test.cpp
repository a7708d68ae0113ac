// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "dimension.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct PlatformRect {
    int Left, Top, Right, Bottom;
};

} // namespace

TEST(Dimension, RectangleExamples) {
    const oRect square(0, 0, 10, 10);
    EXPECT_TRUE(square.contains(oPoint(10, 10))) << "the corner belongs to the rectangle";
    EXPECT_TRUE(square.contains(oPoint(0, 0)));
    EXPECT_FALSE(square.contains(oPoint(11, 5)));
    EXPECT_TRUE(square.contains(oRect(2, 2, 8, 8)));
    EXPECT_FALSE(square.contains(oRect(2, 2, 9, 8)));

    oRect flipped(10, 10, -4, 6);
    flipped.canonize();
    EXPECT_EQ(flipped, oRect(6, 10, 4, 6));
    oRect upsideDown(10, 10, 6, -4);
    upsideDown.canonize();
    EXPECT_EQ(upsideDown, oRect(10, 6, 6, 4));

    const oRect a(0, 0, 5, 5), b(10, 10, 2, 2);
    EXPECT_EQ(a & b, oRect(10, 10, 0, 0));
    EXPECT_EQ(a | b, oRect(0, 0, 12, 12));
    EXPECT_EQ(oRect(0, 0, 6, 6) & oRect(4, 2, 6, 6), oRect(4, 2, 2, 4));

    EXPECT_EQ(oRect(0, 0, 7, 7).centre(), oPoint(3, 3));
    EXPECT_EQ(oRealRect(0, 0, 7, 7).centre(), oRealPoint(3.5, 3.5));

    EXPECT_TRUE(oRect(0, 0, 0, 5).isEmpty());
    EXPECT_FALSE(oRect(0, 0, -1, 5).isEmpty());
    EXPECT_FALSE(oRect(0, 0, -1, 5).isCanonical());

    EXPECT_EQ(oRect(0, 0, 100, 50).tile(1, 3, 2, 0, 2, 1), oRect(33, 0, 66, 25));
    EXPECT_EQ(oRect(0, 0, 300, 90).tile(0, 3, 1, 0, 3, 1), oRect(0, 0, 100, 30))
        << "an exact division stays exact";
    EXPECT_EQ(oRealRect(0, 0, 90, 60).tile(2, 3, 1, 1, 2, 1), oRealRect(60, 30, 30, 30));
}

TEST(Dimension, RectangleOperationsLeaveTheOperandUnchanged) {
    const oRect r(10, 20, 7, 5);
    EXPECT_EQ(r.corner(), oPoint(17, 25));
    EXPECT_EQ(r.bound(oPoint(-5, 22)), oPoint(10, 22));
    EXPECT_EQ(r.bound(oPoint(30, 40)), oPoint(17, 25));
    EXPECT_EQ(r.moveBy(oVector(-10, 1)), oRect(0, 21, 7, 5));
    EXPECT_EQ(r.growBy(oVector(1, 2)), oRect(9, 18, 9, 9));
    EXPECT_EQ(oRect(0, 0, 10, 10).concentric(oVector(4, 4)), oRect(3, 3, 4, 4));
    EXPECT_EQ(r.xProj(), oRect(10, 20, 7, 0));
    EXPECT_EQ(r.yProj(), oRect(10, 20, 0, 5));
    EXPECT_EQ(r * oScale(2, 0.5), oRect(20, 10, 14, 2));
    EXPECT_EQ(r / oScale(2, 4), oRect(5, 5, 3, 1));
    EXPECT_EQ(r, oRect(10, 20, 7, 5));

    EXPECT_EQ(oRect(oPoint(1, 2), oPoint(4, 8)), oRect(1, 2, 3, 6));
    EXPECT_EQ(oRect(oPoint(1, 2), oVector(4, 8)), oRect(1, 2, 4, 8));
    EXPECT_EQ(oRect(PlatformRect{5, 6, 15, 26}), oRect(5, 6, 10, 20));
    EXPECT_EQ(oRect(), oRect(0, 0, 0, 0));
}

TEST(Dimension, CompassPoints) {
    struct Case {
        const char* name;
        oPoint actual, expected;
    };
    const oRect r(10, 20, 7, 5);
    const oRect negative(0, 0, -5, -5);
    const Case cases[] = {
        {"NW", r.NW(), {10, 20}},
        {"N", r.N(), {13, 20}},
        {"NE", r.NE(), {17, 20}},
        {"E", r.E(), {17, 22}},
        {"SE", r.SE(), {17, 25}},
        {"S", r.S(), {13, 25}},
        {"SW", r.SW(), {10, 25}},
        {"W", r.W(), {10, 22}},
        {"half of a negative width truncates toward zero", negative.N(), {-2, 0}},
        {"half of a negative height truncates toward zero", negative.W(), {0, -2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
    EXPECT_EQ(oRealRect(10, 20, 7, 5).S(), oRealPoint(13.5, 25));
}

TEST(Dimension, VectorArithmeticTruncatesTowardZero) {
    EXPECT_EQ(oVector(7, -7) / 2, oVector(3, -3));
    EXPECT_EQ(oVector(3, 3) * 0.9, oVector(2, 2));
    EXPECT_EQ(oVector(-3, 3) * 0.9, oVector(-2, 2));
    EXPECT_EQ(oVector(10, -9) / oScale(3, 4), oVector(3, -2));
    EXPECT_EQ(oRealVector(7, -7) / 2, oRealVector(3.5, -3.5));
    EXPECT_EQ(oRealVector(3, 3) * 0.9, oRealVector(2.7, 2.7));

    oVector v(1, 2);
    v += oVector(3, 4);
    v -= oVector(1, 1);
    EXPECT_EQ(v, oVector(3, 5));
    v *= 2.0;
    v /= oScale(3, 1);
    EXPECT_EQ(v, oVector(2, 10));
    EXPECT_EQ(-v, oVector(-2, -10));
    EXPECT_EQ(v.xProj(), oVector(2, 0));
    EXPECT_EQ(v.yProj(), oVector(0, 10));

    constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(oVector(2000000000, -2000000000) * 2.0,
              oVector(most, std::numeric_limits<std::int32_t>::lowest()))
        << "out-of-range results saturate instead of wrapping";
}

TEST(Dimension, PointsMoveByVectors) {
    const oPoint p(5, 7), q(2, 10);
    EXPECT_EQ(p - q, oVector(3, -3));
    EXPECT_EQ(q + (p - q), p);
    EXPECT_EQ(p - oVector(5, 7), oPoint(0, 0));
    EXPECT_EQ(p * oScale(0.5, 2), oPoint(2, 14));
    EXPECT_EQ(p / oScale(2, 2), oPoint(2, 3));
    EXPECT_EQ(p.xProj(), oPoint(5, 0));
    oRealPoint r(1.5, 2.5);
    r += oRealVector(1, 1);
    EXPECT_EQ(r, oRealPoint(2.5, 3.5));
}

TEST(Dimension, ComparisonIsAPartialOrder) {
    EXPECT_FALSE(oVector(1, 5) < oVector(2, 5));
    EXPECT_FALSE(oVector(1, 5) >= oVector(2, 5));
    EXPECT_TRUE(oVector(1, 5) <= oVector(2, 5));
    EXPECT_TRUE(oVector(3, 6) > oVector(2, 5));
    EXPECT_TRUE(oPoint(1, 5) != oPoint(1, 6));
    EXPECT_FALSE(oPoint(1, 5) != oPoint(1, 5));
}

TEST(Scale, ProductsAndQuotients) {
    const oScale s(2, 4);
    const oScale product = s * oScale(3, 0.5);
    EXPECT_EQ(product.x, 6);
    EXPECT_EQ(product.y, 2);
    EXPECT_EQ((s * 1.5).y, 6);
    EXPECT_EQ((s / 4.0).x, 0.5);
    EXPECT_EQ((s / oScale(4, 8)).y, 0.5);
    EXPECT_EQ(oScale().x, 0);
}

TEST(DimensionDeathTest, PreconditionsStopWithTheirConditionText) {
    const oVector v(1, 1);
    oRect r(0, 0, 4, 4);
    const oRect flipped(0, 0, -4, 4);
    EXPECT_DEATH(v / oScale(0, 1), "failed: s\\.x != 0");
    EXPECT_DEATH(v / oScale(1, 0), "failed: s\\.y != 0");
    EXPECT_DEATH(v / 0.0, "failed: s != 0");
    EXPECT_DEATH(oPoint(1, 1) / oScale(0, 1), "failed: s\\.x != 0");
    EXPECT_DEATH(r /= oScale(1, 0), "failed: s\\.y != 0");
    EXPECT_DEATH(oScale(1, 1) / 0.0, "failed: s != 0");
    EXPECT_DEATH(oScale(1, 1) / oScale(1, 0), "failed: s\\.y != 0");
    EXPECT_DEATH(flipped.bound(oPoint()), "failed: isCanonical\\(\\)");
    EXPECT_DEATH(flipped.contains(oPoint()), "failed: isCanonical\\(\\)");
    EXPECT_DEATH(r.contains(flipped), "failed: r\\.isCanonical\\(\\)");
    EXPECT_DEATH(flipped.contains(r), "failed: isCanonical\\(\\)");
    EXPECT_DEATH(flipped | r, "failed: this->isCanonical\\(\\)");
    EXPECT_DEATH(r & flipped, "failed: r\\.isCanonical\\(\\)");
    EXPECT_DEATH(r.tile(0, 0, 1, 0, 2, 1), "failed: fromCols != 0 && fromRows != 0");
    EXPECT_DEATH(oRealRect(0, 0, 1, 1).tile(0, 2, 1, 0, 0, 1),
                 "failed: fromCols != 0 && fromRows != 0");
}
