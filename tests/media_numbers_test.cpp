// Random numbers, number parsing and string helpers of the media layer.
#include "test_support.h"

TEST(Random, SeedZeroAndMaxFallBackTo4660) {
    SeedRandom(0);
    EXPECT_EQ(RandomState(), 4660);
    SeedRandom(2147483647);
    EXPECT_EQ(RandomState(), 4660);
    SeedRandom(0x80000000LL + 5); // only the low 31 bits count
    EXPECT_EQ(RandomState(), 5);
}

TEST(Random, ParkMillerStepsMatchSchrage) {
    // Two steps of state * 48271 mod (2^31 - 1), computed the long way.
    SeedRandom(12345);
    int64_t b = (12345LL * 48271) % 2147483647;
    int64_t d = (b * 48271) % 2147483647;
    double expected =
        ((double)(b & 0x1FFFFFFC) + (double)(d & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
    EXPECT_DOUBLE_EQ(RandomUnit(), expected);
    EXPECT_EQ(RandomState(), d);
    // A large state where the naive product would overflow 32 bits.
    SeedRandom(2147483646);
    b = (2147483646LL * 48271) % 2147483647;
    d = (b * 48271) % 2147483647;
    RandomUnit();
    EXPECT_EQ(RandomState(), d);
}

TEST(Random, UnitStaysInHalfOpenRange) {
    SeedRandom(99);
    for (int i = 0; i < 20000; ++i) {
        double u = RandomUnit();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
}

TEST(Random, RangeBoundsInclusiveInEitherOrder) {
    SeedRandom(7);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(RandomRange(5, 5), 5);
    bool seen[8] = {};
    for (int i = 0; i < 2000; ++i) {
        int v = RandomRange(7, 3);
        ASSERT_GE(v, 3);
        ASSERT_LE(v, 7);
        seen[v] = true;
    }
    for (int v = 3; v <= 7; ++v) EXPECT_TRUE(seen[v]) << v;
    for (int i = 0; i < 2000; ++i) {
        int v = RandomRange(-2, 1);
        ASSERT_GE(v, -2);
        ASSERT_LE(v, 1);
    }
}

TEST(Random, SameSeedSameSequence) {
    SeedRandom(424242);
    std::vector<int> a, b;
    for (int i = 0; i < 50; ++i) a.push_back(RandomRange(0, 1000));
    SeedRandom(424242);
    for (int i = 0; i < 50; ++i) b.push_back(RandomRange(0, 1000));
    EXPECT_EQ(a, b);
}

TEST(Numbers, StringToIntForms) {
    EXPECT_EQ(StringToInt(u"  12abc"), 12);
    EXPECT_EQ(StringToInt(u"-1"), -1);
    EXPECT_EQ((uint16_t)StringToInt(u"-1"), 65535);
    EXPECT_EQ(StringToInt(u"$1F"), 31);
    EXPECT_EQ(StringToInt(u"$ff"), 255);
    EXPECT_EQ(StringToInt(u"%101"), 5);
    EXPECT_EQ(StringToInt(u"-%11"), -3);
    EXPECT_EQ(StringToInt(u"+42"), 42);
    EXPECT_EQ(StringToInt(u"abc"), 0);
    EXPECT_EQ(StringToInt(u""), 0);
    EXPECT_EQ(StringToInt(u"\t 7 8"), 7);
    EXPECT_EQ((uint8_t)StringToInt(u"300"), 44);
    EXPECT_EQ(StringToInt(u"1,5"), 1);
}

TEST(Numbers, StringToFloatDecimalOnly) {
    EXPECT_FLOAT_EQ(StringToFloat(u"1.5"), 1.5f);
    EXPECT_FLOAT_EQ(StringToFloat(u"1,5"), 1.0f);
    EXPECT_FLOAT_EQ(StringToFloat(u" -0.25x"), -0.25f);
    EXPECT_FLOAT_EQ(StringToFloat(u"2e2"), 200.0f);
    EXPECT_FLOAT_EQ(StringToFloat(u"abc"), 0.0f);
    EXPECT_FLOAT_EQ(StringToFloat(u"inf"), 0.0f);
    EXPECT_FLOAT_EQ(StringToFloat(u"nan"), 0.0f);
    EXPECT_FLOAT_EQ(StringToFloat(u"0x10"), 0.0f);
    EXPECT_FLOAT_EQ(StringToFloat(u".5"), 0.5f);
}

TEST(Numbers, FloatToIntTruncatesTowardZero) {
    EXPECT_EQ(FloatToInt(2.7), 2);
    EXPECT_EQ(FloatToInt(-2.7), -2);
    EXPECT_EQ(FloatToInt(-0.5), 0);
    EXPECT_EQ(FloatToInt(1e12), 2147483647);
}

TEST(Strings, SubstringHelpers) {
    EXPECT_EQ(LeftOf(u"Vessara", 3), u"Ves");
    EXPECT_EQ(LeftOf(u"Ves", 10), u"Ves");
    EXPECT_EQ(LeftOf(u"Ves", 0), u"");
    EXPECT_EQ(RightOf(u"Vessara", 4), u"sara");
    EXPECT_EQ(RightOf(u"ab", 5), u"ab");
    EXPECT_EQ(MidOf(u"Vessara", 2, 3), u"ess");
    EXPECT_EQ(MidOf(u"Vessara", 4), u"sara");
    EXPECT_EQ(MidOf(u"Vessara", 9, 2), u"");
    EXPECT_EQ(TrimOf(u" \t Ja \r"), u"Ja");
    EXPECT_EQ(TrimOf(u"   "), u"");
    EXPECT_LT(CompareStrings(u"Ja", u"ja"), 0); // case-sensitive by code
    EXPECT_EQ(CompareStrings(u"Nein", u"Nein"), 0);
    EXPECT_EQ(IntToString(-17), u"-17");
}

TEST(Strings, Utf8RoundTripAndLatin1) {
    Str s = S("Grafik/HändlerInventar.png");
    EXPECT_EQ(s[8], (char16_t)228);
    EXPECT_EQ(ToUtf8(s), "Grafik/HändlerInventar.png");
    EXPECT_EQ(Latin1ToStr("\xE4\xDF"), Str(u"\u00E4\u00DF"));
    // Broken UTF-8 never reads past the end and becomes '?'.
    EXPECT_EQ(S(std::string("a\xC3")), u"a?");
}
