#pragma once
// Every colour the lake is drawn with. The water colours (water and the
// plants floating in it) are kept apart from every other colour: the game
// tells water from land by the colour of a pixel, so a land, bank or object
// pixel must never use one of them, and every pixel the boat may float on
// must use only them. kWaterColours lists them all; a test checks that no
// other picture uses one.

#include <QRgb>
#include <array>

namespace lwk::art::pal {

// --- Water ---------------------------------------------------------------
// Open water, from the darkest to the lightest shade of the ripple texture.
inline constexpr QRgb kDeepDark = qRgb(0x24, 0x58, 0x7C);
inline constexpr QRgb kDeep1 = qRgb(0x29, 0x62, 0x89);
inline constexpr QRgb kDeep0 = qRgb(0x2C, 0x69, 0x91);
inline constexpr QRgb kDeep2 = qRgb(0x31, 0x71, 0x9A);
inline constexpr QRgb kRipple = qRgb(0x46, 0x86, 0xAE);
inline constexpr QRgb kRippleHi = qRgb(0x63, 0x9E, 0xC2);
inline constexpr QRgb kGlint = qRgb(0xA4, 0xCF, 0xE4);
inline constexpr QRgb kDeepest = qRgb(0x20, 0x4E, 0x70);  // deep channel, bridge shade
// Shallow water towards a bank, from deeper to the waterline.
inline constexpr QRgb kShallow1 = qRgb(0x36, 0x79, 0x9C);
inline constexpr QRgb kShallow2 = qRgb(0x45, 0x88, 0xA2);
inline constexpr QRgb kShallow3 = qRgb(0x58, 0x98, 0xA4);
inline constexpr QRgb kShallow4 = qRgb(0x6E, 0xA8, 0xA6);
inline constexpr QRgb kFoam = qRgb(0xB2, 0xD6, 0xD0);
// Lily pads and their flowers.
inline constexpr QRgb kPadDark = qRgb(0x2D, 0x69, 0x2B);
inline constexpr QRgb kPad = qRgb(0x3E, 0x86, 0x34);
inline constexpr QRgb kPadLight = qRgb(0x58, 0xA2, 0x44);
inline constexpr QRgb kPadHi = qRgb(0x7C, 0xBC, 0x57);
inline constexpr QRgb kFlowerPink = qRgb(0xE6, 0x8E, 0xB9);
inline constexpr QRgb kFlowerWhite = qRgb(0xF5, 0xEC, 0xF1);
inline constexpr QRgb kFlowerYellow = qRgb(0xF1, 0xD2, 0x4B);
// Weeds seen through the water, and floating duckweed and leaves.
inline constexpr QRgb kWeedShadow = qRgb(0x27, 0x5D, 0x62);
inline constexpr QRgb kWeed1 = qRgb(0x2E, 0x6D, 0x71);
inline constexpr QRgb kWeed2 = qRgb(0x39, 0x79, 0x65);
inline constexpr QRgb kWeed3 = qRgb(0x4A, 0x89, 0x59);
inline constexpr QRgb kWeedTip = qRgb(0x5F, 0x99, 0x51);
inline constexpr QRgb kDuckweed = qRgb(0x8B, 0xC6, 0x59);
inline constexpr QRgb kLeafBrown = qRgb(0xAF, 0x76, 0x39);
inline constexpr QRgb kLeafRed = qRgb(0xB8, 0x55, 0x33);

inline constexpr std::array<QRgb, 28> kWaterColours = {
    kDeepDark,   kDeep1,    kDeep0, kDeep2,   kRipple,  kRippleHi, kGlint,     kDeepest,    kShallow1,    kShallow2,
    kShallow3,   kShallow4, kFoam,  kPadDark, kPad,     kPadLight, kPadHi,     kFlowerPink, kFlowerWhite, kFlowerYellow,
    kWeedShadow, kWeed1,    kWeed2, kWeed3,   kWeedTip, kDuckweed, kLeafBrown, kLeafRed};

// --- Land ----------------------------------------------------------------
inline constexpr QRgb kGrassDark = qRgb(0x3B, 0x72, 0x31);
inline constexpr QRgb kGrass2 = qRgb(0x45, 0x7F, 0x37);
inline constexpr QRgb kGrass0 = qRgb(0x4E, 0x8A, 0x3B);
inline constexpr QRgb kGrass1 = qRgb(0x59, 0x95, 0x41);
inline constexpr QRgb kGrassLight = qRgb(0x6A, 0xA3, 0x4B);
inline constexpr QRgb kGrassShade = qRgb(0x36, 0x62, 0x2E);  // tree and house shadows
inline constexpr QRgb kMeadow = qRgb(0x7F, 0xA5, 0x4A);
inline constexpr QRgb kMeadowDry = qRgb(0x9D, 0xA8, 0x55);
inline constexpr QRgb kFlowerDotY = qRgb(0xEB, 0xE0, 0x62);
inline constexpr QRgb kFlowerDotW = qRgb(0xEE, 0xEE, 0xF6);
inline constexpr QRgb kFlowerDotP = qRgb(0xC4, 0x7C, 0xD0);

inline constexpr QRgb kSandLight = qRgb(0xDA, 0xC5, 0x8E);
inline constexpr QRgb kSand = qRgb(0xC9, 0xB0, 0x79);
inline constexpr QRgb kSandDark = qRgb(0xB6, 0x9B, 0x66);
inline constexpr QRgb kWetSand = qRgb(0x98, 0x82, 0x56);
inline constexpr QRgb kMud = qRgb(0x78, 0x67, 0x45);

inline constexpr QRgb kRockHi = qRgb(0xC2, 0xC0, 0xB8);
inline constexpr QRgb kRockLight = qRgb(0xA6, 0xA4, 0x9E);
inline constexpr QRgb kRock = qRgb(0x8B, 0x8A, 0x85);
inline constexpr QRgb kRockDark = qRgb(0x6C, 0x6B, 0x68);
inline constexpr QRgb kRockShadow = qRgb(0x4F, 0x4E, 0x4B);
inline constexpr QRgb kMoss = qRgb(0x6E, 0x80, 0x48);

inline constexpr QRgb kWoodLight = qRgb(0xBC, 0x8A, 0x52);
inline constexpr QRgb kWood = qRgb(0x9E, 0x70, 0x43);
inline constexpr QRgb kWoodDark = qRgb(0x7B, 0x53, 0x33);
inline constexpr QRgb kWoodGap = qRgb(0x55, 0x39, 0x24);
inline constexpr QRgb kPost = qRgb(0x48, 0x33, 0x22);
inline constexpr QRgb kBark = qRgb(0x6D, 0x5A, 0x47);
inline constexpr QRgb kBarkLight = qRgb(0x8F, 0x7B, 0x64);
inline constexpr QRgb kDeadWood = qRgb(0x9A, 0x92, 0x86);
inline constexpr QRgb kDeadWoodDark = qRgb(0x74, 0x6C, 0x62);

inline constexpr QRgb kLeaf0 = qRgb(0x2F, 0x6D, 0x2D);
inline constexpr QRgb kLeaf1 = qRgb(0x3D, 0x80, 0x36);
inline constexpr QRgb kLeaf2 = qRgb(0x50, 0x96, 0x43);
inline constexpr QRgb kLeaf3 = qRgb(0x6B, 0xAD, 0x52);
inline constexpr QRgb kLeafShade = qRgb(0x22, 0x52, 0x27);
inline constexpr QRgb kPine0 = qRgb(0x1E, 0x4F, 0x33);
inline constexpr QRgb kPine1 = qRgb(0x27, 0x61, 0x3D);
inline constexpr QRgb kPine2 = qRgb(0x33, 0x75, 0x48);
inline constexpr QRgb kReed = qRgb(0x6E, 0x8E, 0x3A);
inline constexpr QRgb kReedDark = qRgb(0x4A, 0x66, 0x2A);
inline constexpr QRgb kReedLight = qRgb(0x9E, 0xB6, 0x54);
inline constexpr QRgb kCattail = qRgb(0x6A, 0x44, 0x2A);

inline constexpr QRgb kAsphaltDark = qRgb(0x4A, 0x4A, 0x4E);
inline constexpr QRgb kAsphalt = qRgb(0x5A, 0x5A, 0x5F);
inline constexpr QRgb kAsphaltLight = qRgb(0x66, 0x66, 0x6B);
inline constexpr QRgb kGravel = qRgb(0x9C, 0x98, 0x8E);
inline constexpr QRgb kGravelDark = qRgb(0x84, 0x80, 0x77);
inline constexpr QRgb kLineYellow = qRgb(0xE8, 0xC6, 0x45);
inline constexpr QRgb kLineWhite = qRgb(0xE6, 0xE6, 0xE2);
inline constexpr QRgb kConcreteLight = qRgb(0xCA, 0xC6, 0xBD);
inline constexpr QRgb kConcrete = qRgb(0xB4, 0xB0, 0xA7);
inline constexpr QRgb kConcreteDark = qRgb(0x98, 0x94, 0x8B);
inline constexpr QRgb kConcreteWet = qRgb(0x7D, 0x7E, 0x78);
inline constexpr QRgb kDirt = qRgb(0xA6, 0x86, 0x58);
inline constexpr QRgb kDirtDark = qRgb(0x8A, 0x6E, 0x47);

inline constexpr QRgb kRoofRed = qRgb(0xB2, 0x42, 0x38);
inline constexpr QRgb kRoofRedLight = qRgb(0xCC, 0x5C, 0x4C);
inline constexpr QRgb kRoofRedDark = qRgb(0x86, 0x30, 0x2B);
inline constexpr QRgb kRoofGrey = qRgb(0x7A, 0x80, 0x89);
inline constexpr QRgb kRoofGreyLight = qRgb(0x93, 0x99, 0xA2);
inline constexpr QRgb kRoofGreyDark = qRgb(0x5E, 0x63, 0x6B);
inline constexpr QRgb kRoofBrown = qRgb(0x8B, 0x5B, 0x35);
inline constexpr QRgb kRoofBrownLight = qRgb(0xA5, 0x71, 0x45);
inline constexpr QRgb kRoofBrownDark = qRgb(0x6A, 0x44, 0x29);
inline constexpr QRgb kRoofGreen = qRgb(0x3F, 0x6E, 0x5A);
inline constexpr QRgb kRoofGreenLight = qRgb(0x55, 0x88, 0x70);
inline constexpr QRgb kRoofGreenDark = qRgb(0x2E, 0x54, 0x45);
inline constexpr QRgb kWall = qRgb(0xE4, 0xDC, 0xC8);
inline constexpr QRgb kChimney = qRgb(0x8E, 0x4E, 0x3A);

inline constexpr QRgb kWhite = qRgb(0xFA, 0xFA, 0xF7);
inline constexpr QRgb kOffWhite = qRgb(0xDC, 0xDC, 0xD6);
inline constexpr QRgb kHullShade = qRgb(0xB4, 0xB6, 0xB4);
inline constexpr QRgb kRed = qRgb(0xD0, 0x30, 0x2A);
inline constexpr QRgb kRedDark = qRgb(0x98, 0x22, 0x1F);
inline constexpr QRgb kOrange = qRgb(0xF0, 0x7D, 0x1E);
inline constexpr QRgb kOrangeDark = qRgb(0xB8, 0x5A, 0x14);
inline constexpr QRgb kYellow = qRgb(0xF4, 0xD0, 0x2C);
inline constexpr QRgb kBlue = qRgb(0x2A, 0x4C, 0xB0);
inline constexpr QRgb kBlueLight = qRgb(0x4C, 0x72, 0xD4);
inline constexpr QRgb kNavy = qRgb(0x1A, 0x2A, 0x60);
inline constexpr QRgb kGreenCan = qRgb(0x26, 0x8E, 0x3E);
inline constexpr QRgb kCarpet = qRgb(0x56, 0x5E, 0x6A);
inline constexpr QRgb kCarpetDark = qRgb(0x44, 0x4A, 0x54);
inline constexpr QRgb kEngine = qRgb(0x2C, 0x2C, 0x31);
inline constexpr QRgb kEngineHi = qRgb(0x4E, 0x4E, 0x56);
inline constexpr QRgb kSeat = qRgb(0xD8, 0xC8, 0x9E);
inline constexpr QRgb kCanvasTan = qRgb(0xC8, 0xB8, 0x8A);
inline constexpr QRgb kRope = qRgb(0xD3, 0xC3, 0x93);
inline constexpr QRgb kSkin = qRgb(0xE0, 0xAC, 0x84);
inline constexpr QRgb kCarBlue = qRgb(0x33, 0x5C, 0x9C);
inline constexpr QRgb kCarRed = qRgb(0xB8, 0x2E, 0x2E);
inline constexpr QRgb kGlass = qRgb(0x3C, 0x48, 0x5A);
inline constexpr QRgb kGlassHi = qRgb(0x7C, 0x8C, 0xA4);

}  // namespace lwk::art::pal
