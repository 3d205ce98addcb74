#include "fishing/Tackle.h"

#include <algorithm>
#include <charconv>

#include "shell/Game.h"
#include "tournament/Clock.h"

namespace lwk {

namespace {

// --- the lure models of each drawer, by maker ---

constexpr std::string_view kCranks[] = {
    "Quillfin Shallow Runner",    "Quillfin Medium Diver",
    "Quillfin Deep Diver",        "Quillfin Flat Side Shad",
    "Quillfin Squarebill",        "Quillfin Baby Squarebill",
    "Quillfin Wake Bait",         "Quillfin Jointed Minnow",
    "Quillfin Floating Minnow",   "Quillfin Suspending Jerk",
    "Quillfin Deep Jerk",         "Quillfin Magnum Jerk",
    "Bramblebank Crawler Crank",  "Bramblebank Balsa Shad",
    "Bramblebank Balsa Square",   "Bramblebank Fat Belly",
    "Bramblebank Mini Fat Belly", "Bramblebank Ten Footer",
    "Bramblebank Fifteen Footer", "Bramblebank Twenty Footer",
    "Bramblebank Rattle Shad",    "Bramblebank Flash Minnow",
    "Bramblebank Stick Jerk",     "Bramblebank Twitch Minnow",
    "Marrowby Lipless Rattler",   "Marrowby Half-Ounce Rattler",
    "Marrowby Guarded Crank",     "Marrowby Mini Rattler",
    "Marrowby Tin Shad",          "Marrowby Deep Dredger",
    "Marrowby Bottom Bumper",     "Marrowby Craw Crank",
    "Marrowby Pot Belly",         "Marrowby Shallow Pot Belly",
    "Marrowby Ripple Minnow",     "Marrowby Long Minnow",
    "Dunmere Ghost Shad",         "Dunmere Wobble Shad",
    "Dunmere Deep Wobble Shad",   "Dunmere Clacker",
    "Dunmere Silent Squarebill",  "Dunmere Flat Crank",
    "Dunmere Tight Wiggler",      "Dunmere Hard Knock Jerk",
    "Dunmere Glide Minnow",       "Dunmere Slender Minnow",
    "Dunmere Sinking Minnow",     "Dunmere Trout Minnow",
};

constexpr std::string_view kSpinners[] = {
    "Hethering 1/4 oz Willow Spinner",  "Hethering 3/8 oz Willow Spinner",
    "Hethering 1/2 oz Willow Spinner",  "Hethering 3/8 oz Colorado",
    "Hethering 1/2 oz Colorado",        "Hethering 3/4 oz Colorado",
    "Hethering Willow/Colorado",        "Hethering Inline Spinner #2",
    "Hethering Inline Spinner #3",      "Hethering Night Spinner",
    "Hethering Short Arm Spinner",      "Hethering Twin Arm Spinner",
    "Colter Mill 1/4 oz Double Willow", "Colter Mill 3/8 oz Double Willow",
    "Colter Mill 1/2 oz Double Willow", "Colter Mill 3/4 oz Double Willow",
    "Colter Mill 1 oz Magnum Willow",   "Colter Mill Single Colorado",
    "Colter Mill Titanium Wire",        "Colter Mill Slow Roller",
    "Colter Mill Bucktail Spinner",     "Colter Mill French Spinner",
    "Colter Mill Weight Forward",       "Colter Mill Minnow Spinner",
    "Colter Mill Safety Pin Spinner",   "Colter Mill Grub Spinner",
    "Sallow Point 1/8 oz Mini Spin",    "Sallow Point 1/4 oz Mini Spin",
    "Sallow Point 3/8 oz Indiana",      "Sallow Point 1/2 oz Indiana",
    "Sallow Point 3/8 oz Tandem",       "Sallow Point 1/2 oz Tandem",
    "Sallow Point 3/4 oz Tandem",       "Sallow Point Triple Blade",
    "Sallow Point Deep Runner",         "Sallow Point Hammered Blade",
    "Sallow Point Gold Blade Special",  "Sallow Point Spin Jig",
    "Sallow Point Spin Tail",           "Sallow Point Tail Spinner",
    "Sallow Point Inline Spinner",      "Sallow Point Inline Minnow",
    "Sallow Point Ball Head Spinner",   "Sallow Point Heavy Cover",
};

constexpr std::string_view kSpoons[] = {
    "Ravelle Casting Spoon 1/4", "Ravelle Casting Spoon 1/2", "Ravelle Casting Spoon 3/4", "Ravelle Slab Spoon 1/2",
    "Ravelle Slab Spoon 1 oz",   "Ravelle Flutter Spoon",     "Ravelle Hammered Spoon",    "Ravelle Weedless Spoon",
    "Ravelle Wobbler",           "Ravelle Tear Drop Spoon",   "Orrin Lake Jigging Spoon",  "Orrin Lake Blade Bait",
    "Orrin Lake Thin Flash",     "Orrin Lake Wide Wobbler",   "Orrin Lake Weedless Spoon", "Orrin Lake Trolling Spoon",
    "Orrin Lake Siwash Slab",    "Orrin Lake Siwash Flutter",
};

constexpr std::string_view kTopwater[] = {
    "Stillwick Popper",         "Stillwick Baby Popper",    "Stillwick Chugger",        "Stillwick Walker",
    "Stillwick Baby Walker",    "Stillwick Prop Bait",      "Stillwick Buzzbait 1/4",   "Stillwick Twin Prop",
    "Stillwick Crawler",        "Stillwick Hollow Frog",    "Stillwick Stick Bait",     "Stillwick Pencil Popper",
    "Stillwick Wake Minnow",    "Stillwick Floater",        "Stillwick Guarded Popper", "Stillwick Splasher",
    "Kettle Pond Popper",       "Kettle Pond Spitter",      "Kettle Pond Walker",       "Kettle Pond Big Walker",
    "Kettle Pond Prop Minnow",  "Kettle Pond Cigar",        "Kettle Pond Wobbler",      "Kettle Pond Crawler",
    "Kettle Pond Mouse",        "Kettle Pond Dragonfly",    "Kettle Pond Cicada",       "Kettle Pond Twitch Bait",
    "Kettle Pond Buzzbait 3/8", "Kettle Pond Jointed Wake", "Kettle Pond Glider",       "Kettle Pond Buzz Toad",
    "Kettle Pond Double Buzz",  "Kettle Pond Clacker Buzz",
};

constexpr std::string_view kPlastics[] = {
    "Otterbend Floating Worm",     "Otterbend Pre-Rigged Worm",  "Otterbend Spinner Worm",
    "Otterbend 6\" Ribbon Tail",   "Otterbend 7\" Ribbon Tail",  "Otterbend 10\" Ribbon Tail",
    "Otterbend 4\" Finesse Worm",  "Otterbend 6\" Finesse Worm", "Otterbend Straight Tail",
    "Otterbend Curly Tail Worm",   "Otterbend Wacky Worm",       "Otterbend Drop Shot Worm",
    "Otterbend Paddle Tail Worm",  "Otterbend Stick Worm",       "Otterbend Magnum Worm",
    "Otterbend Ringed Worm",       "Otterbend Twin Tail Worm",   "Otterbend Shaky Head Worm",
    "Pike Hollow 4\" Lizard",      "Pike Hollow 6\" Lizard",     "Pike Hollow 8\" Lizard",
    "Pike Hollow Water Dog",       "Pike Hollow Salamander",     "Pike Hollow Crawfish",
    "Pike Hollow Rigged Craw",     "Pike Hollow Creature Bait",  "Pike Hollow Flat Tail Craw",
    "Pike Hollow Flapping Craw",   "Pike Hollow Bush Critter",   "Pike Hollow Baby Critter",
    "Pike Hollow Punch Craw",      "Pike Hollow Hellgrammite",   "Pike Hollow Leech",
    "Pike Hollow 3\" Grub",        "Pike Hollow 5\" Grub",       "Pike Hollow 3\" Tube",
    "Pike Hollow 4\" Tube",        "Ashgrove Soft Swimbait",     "Ashgrove Rigged Swimbait",
    "Ashgrove Paddle Tail Minnow", "Ashgrove Split Tail Minnow", "Ashgrove Jig Head Minnow",
    "Ashgrove Leggy Worm",         "Ashgrove Slim Worm",         "Ashgrove Sinking Worm",
    "Ashgrove Mega Worm",          "Ashgrove Carolina Worm",     "Ashgrove Bubble Worm",
    "Ashgrove Tail Spin Grub",     "Ashgrove Split Shot Worm",   "Ashgrove Brush Bug",
    "Ashgrove Craw Tube",          "Ashgrove Stick Bait",        "Ashgrove Floating Frog",
};

constexpr std::string_view kSoftJerks[] = {
    "Sedgemoor 5\" Jerk, Belly Hook", "Sedgemoor 5\" Soft Jerk",   "Sedgemoor 6\" Soft Jerk",
    "Sedgemoor 7\" Jerk, Belly Hook", "Sedgemoor 4\" Soft Jerk",   "Sedgemoor Jerk, Two Hooks",
    "Sedgemoor Forked, Belly Hook",   "Sedgemoor Split Tail Jerk", "Wrenfield Tube Jerk",
    "Wrenfield 3\" Tube Jig",         "Wrenfield 4\" Tube Jig",    "Wrenfield Fork Tail Jerk",
    "Wrenfield Weedless Tube",        "Wrenfield Shad Jerk",       "Wrenfield Rigged Shad, Treble",
    "Wrenfield Magnum Soft Jerk",
};

constexpr std::string_view kJigs[] = {
    "Corran Creek 1/4 oz Flipping Jig",
    "Corran Creek 3/8 oz Flipping Jig",
    "Corran Creek 1/2 oz Flipping Jig",
    "Corran Creek 3/4 oz Flipping Jig",
    "Corran Creek Football Jig",
    "Corran Creek Finesse Jig",
    "Corran Creek Swim Jig",
    "Corran Creek Grass Jig",
    "Tallis 1/8 oz Hair Jig",
    "Tallis 1/4 oz Hair Jig",
    "Tallis Jig & Frog Trailer",
    "Tallis Jig & Craw Trailer",
    "Tallis Round Head Jig",
    "Tallis Brush Jig",
    "Tallis Heavy Cover Punch Jig",
};

// --- the colours of each drawer ---

constexpr std::string_view kCrankColors[] = {
    "Black",
    "Brown/Black Back",
    "Red/Black Back",
    "Crawdad",
    "Red Crawdad",
    "Blue Crawdad",
    "Green Crawdad",
    "Tennessee Shad",
    "Bleeding Shad",
    "Baby Bass",
    "Smokey Joe",
    "Fire Tiger",
    "Chartreuse/Blue Back",
    "Clown",
    "Parrot",
    "Chrome/Black Back",
    "Chrome/Blue Back",
    "Bluegill",
    "White/Chart. Back",
    "White/Blue Back",
};

constexpr std::string_view kSpinnerColors[] = {
    "Black",           "Black/Blue",       "Black/Red",  "Red Craw",         "Pumpkin Seed",
    "Blue Glimmer",    "Black Glimmer",    "Bluegill",   "Tequilla Sunrise", "Chartreuse/Black",
    "Chartreuse/Blue", "Chartreuse/White", "Chartreuse", "Firetiger",        "Bleeding Shiner",
    "Golden Shiner",   "Clear Water Shad", "Alewife",    "Sun Perch",        "White",
};

constexpr std::string_view kSpoonColors[] = {
    "Red/White Stripe",  "Black/White Strip", "Red/Yellow Spots", "Chrome", "Chrome/Blue", "Chrome/Red",
    "Chrome/Chartreuse", "Firetiger",         "Hammered Nickel",  "Gold",   "Frog",        "Rainbow Trout",
    "Green Shad",        "Mackerel",          "Yellow Perch",
};

constexpr std::string_view kTopwaterColors[] = {
    "Black",      "Crawdad",           "Tennessee Shad",   "Bleeding Shad", "Baby Bass", "Smokey Joe",
    "Fire Tiger", "Chrome/Black Back", "Chrome/Blue Back", "Bluegill",      "Bull Frog",
};

constexpr std::string_view kPlasticColors[] = {
    "Black",
    "Black Shad",
    "Black Grape",
    "Black Chart. Tail",
    "Black Fire Tail",
    "Blue Shad",
    "Electric Blue",
    "Blue Firetail",
    "Brown Shad",
    "Moccasin",
    "Purple",
    "Pumpkin Seed",
    "Pumpkin/Chart. Tail",
    "Gold Pumpkin",
    "Mossy Pumpkin",
    "Red Glitter",
    "Red Shad",
    "Gourd Green",
    "Tequilla Sunrise",
    "Cucumber Seed",
    "Cinnamon Rose",
    "Methiolate",
    "Bubblegum",
    "Albino",
    "Rootbeer",
    "Sand",
    "Ice",
    "Bubblegum",
    "Cotton Candy",
    "Cherry Seed",
};

constexpr std::string_view kSoftJerkColors[] = {
    "Black",       "Starry Night", "Arkansas Shiner", "Golden Shiner",     "Golden Pepper Shiner",  "Red Shad",
    "Camouflage",  "Ghost Minnow", "Funky Fish",      "Chartreuse Pepper", "Rainbow Trout",         "Perch",
    "Black Comet", "Blue Comet",   "Smoke Sand",      "Desert Storm",      "Salt & Pepper Phantom", "Albino Shad",
};

constexpr std::string_view kJigColors[] = {
    "Black",       "Black/Blue",       "Black/Blue/Purple", "Black/Chartreuse", "Black/Red", "Brown",
    "Brown/Green", "Brown/Chartreuse", "Brown/Orange",      "Pumpkin Seed",     "White",
};

// --- snag ratings: one rating for the drawer with its exceptions ---

struct Except {
  int index;
  std::uint8_t rating;
};

template <std::size_t N>
constexpr std::array<std::uint8_t, N> Ratings(std::uint8_t all, std::initializer_list<Except> except) {
  std::array<std::uint8_t, N> r{};
  r.fill(all);
  for (const Except& e : except) r[static_cast<std::size_t>(e.index)] = e.rating;
  return r;
}

constexpr auto kCrankSnags = Ratings<std::size(kCranks)>(10, {{26, 5}});
constexpr auto kSpinnerSnags =
    Ratings<std::size(kSpinners)>(3, {{7, 10}, {20, 10}, {23, 10}, {40, 10}, {41, 10}, {8, 9}, {21, 9}, {22, 9}});
constexpr auto kSpoonSnags = Ratings<std::size(kSpoons)>(10, {{7, 1}, {14, 1}, {16, 9}, {17, 9}});
constexpr auto kTopwaterSnags =
    Ratings<std::size(kTopwater)>(10, {{9, 1}, {6, 2}, {28, 2}, {31, 2}, {32, 2}, {33, 2}, {14, 4}});
constexpr auto kPlasticSnags = Ratings<std::size(kPlastics)>(
    1, {{1, 3}, {2, 3}, {10, 3}, {11, 3}, {17, 3}, {38, 3}, {41, 3}, {46, 3}, {48, 3}, {49, 3}, {24, 2}});
constexpr auto kSoftJerkSnags = Ratings<std::size(kSoftJerks)>(3, {{0, 5}, {3, 5}, {5, 5}, {6, 5}, {12, 2}, {14, 7}});
constexpr auto kJigSnags = Ratings<std::size(kJigs)>(1, {});

// --- the fixed sizes the fish model and the saved games rely on ---

template <std::size_t N>
constexpr bool AllFit(const std::string_view (&names)[N], std::size_t max) {
  for (std::string_view s : names)
    if (s.empty() || s.size() > max) return false;
  return true;
}

static_assert(std::size(kCranks) == 48 && std::size(kSpinners) == 44 && std::size(kSpoons) == 18 &&
              std::size(kTopwater) == 34 && std::size(kPlastics) == 54 && std::size(kSoftJerks) == 16 &&
              std::size(kJigs) == 15);
static_assert(std::size(kCrankColors) == 20 && std::size(kSpinnerColors) == 20 && std::size(kSpoonColors) == 15 &&
              std::size(kTopwaterColors) == 11 && std::size(kPlasticColors) == 30 && std::size(kSoftJerkColors) == 18 &&
              std::size(kJigColors) == 11);
static_assert(AllFit(kCranks, Drawers[0].baitMax) && AllFit(kSpinners, Drawers[1].baitMax) &&
              AllFit(kSpoons, Drawers[2].baitMax) && AllFit(kTopwater, Drawers[3].baitMax) &&
              AllFit(kPlastics, Drawers[4].baitMax) && AllFit(kSoftJerks, Drawers[5].baitMax) &&
              AllFit(kJigs, Drawers[6].baitMax));
static_assert(AllFit(kCrankColors, Drawers[0].colorMax) && AllFit(kSpinnerColors, Drawers[1].colorMax) &&
              AllFit(kSpoonColors, Drawers[2].colorMax) && AllFit(kTopwaterColors, Drawers[3].colorMax) &&
              AllFit(kPlasticColors, Drawers[4].colorMax) && AllFit(kSoftJerkColors, Drawers[5].colorMax) &&
              AllFit(kJigColors, Drawers[6].colorMax));
static_assert([] {
  for (std::string_view s : RodNames)
    if (s.empty() || s.size() > kRodNameMax) return false;
  return true;
}());

bool InRange(int i, std::size_t n) {
  return i >= 0 && static_cast<std::size_t>(i) < n;
}

constexpr std::string_view kNone = "NONE";

// The rod box's current row, always one of the sixteen rods.
int RodRow(const Game& g) {
  return std::clamp(g.fishing.RodBoxRow, 1, kRodCount);
}

void PopupTackleBox(Game& g) {
  if (g.fishing.menus.PopupTackleBox) g.fishing.menus.PopupTackleBox();
}

}  // namespace

const std::array<std::span<const std::string_view>, kDrawerCount> BaitCatalogue{
    kCranks, kSpinners, kSpoons, kTopwater, kPlastics, kSoftJerks, kJigs};
const std::array<std::span<const std::string_view>, kDrawerCount> ColorCatalogue{
    kCrankColors, kSpinnerColors, kSpoonColors, kTopwaterColors, kPlasticColors, kSoftJerkColors, kJigColors};
const std::array<std::span<const std::uint8_t>, kDrawerCount> SnagRatings{
    kCrankSnags, kSpinnerSnags, kSpoonSnags, kTopwaterSnags, kPlasticSnags, kSoftJerkSnags, kJigSnags};

double BaitPrice(int drawer) {
  if (!InRange(drawer, kDrawerCount)) return 0;
  const std::string_view text = Drawers[static_cast<std::size_t>(drawer)].price;
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

bool RodHasBait(const RodSetup& setup) {
  if (!InRange(setup.drawer, kDrawerCount)) return false;
  const auto d = static_cast<std::size_t>(setup.drawer);
  return InRange(setup.bait, BaitCatalogue[d].size()) && InRange(setup.color, ColorCatalogue[d].size());
}

std::string BaitName(int drawer, int bait) {
  if (!InRange(drawer, kDrawerCount)) return std::string(kNone);
  const auto& list = BaitCatalogue[static_cast<std::size_t>(drawer)];
  return std::string(InRange(bait, list.size()) ? list[static_cast<std::size_t>(bait)] : kNone);
}

std::string ColorName(int drawer, int color) {
  if (!InRange(drawer, kDrawerCount)) return std::string(kNone);
  const auto& list = ColorCatalogue[static_cast<std::size_t>(drawer)];
  return std::string(InRange(color, list.size()) ? list[static_cast<std::size_t>(color)] : kNone);
}

void FillRodList(Game& g) {
  auto& grid = g.fishing.RodList;
  grid[0] = {"   Rod Type", "   Bait Attached", "   Bait Color"};
  for (int n = 0; n < kRodCount; ++n) {
    const RodSetup& s = g.prefs.RodSetups[static_cast<std::size_t>(n)];
    auto& row = grid[static_cast<std::size_t>(n + 1)];
    row[0] = std::string(RodNames[static_cast<std::size_t>(n)]);
    const bool bait = RodHasBait(s);
    row[1] = bait ? BaitName(s.drawer, s.bait) : std::string(kNone);
    row[2] = bait ? ColorName(s.drawer, s.color) : std::string(kNone);
  }
}

void RodSelBtnClick(Game& g) {
  FishingState& f = g.fishing;
  // The rod and its bait stay as they are while the line is out: the fish
  // and the snag rules read them at every step.
  if (f.FishOn) return;
  g.DialogUp = true;
  g.IdleSeconds = 0;
  if (g.PlayModal(WindowId::RodBox) != ModalResult::Ok) {
    // A row clicked and cancelled must not receive the next bait: the rod
    // box goes back to the rod in use.
    if (f.CurrentRod != kNoTackle) f.RodBoxRow = f.CurrentRod + 1;
    g.DialogUp = false;
    return;
  }
  if (g.tour.ClockRunning) ChargeTime(g, kRodChangeSeconds);
  const int row = RodRow(g);
  f.RodBoxRow = row;
  g.view.rodInUse = f.RodList[static_cast<std::size_t>(row)][0];
  f.CurrentRod = row - 1;
  const RodSetup& s = g.prefs.RodSetups[static_cast<std::size_t>(f.CurrentRod)];
  if (!RodHasBait(s)) {
    f.CurrentBait = kNoTackle;
  } else {
    f.CurrentDrawer = s.drawer;
    f.CurrentBait = s.bait;
    f.CurrentColor = s.color;
  }
  if (f.CurrentBait == kNoTackle) {
    g.view.baitInUse = g.view.colorInUse = std::string(kNone);
    g.Changed();
    // The question and the drawer it may open run with the clock stopped.
    const bool wasRunning = g.timerEnabled(TimerId::Main);
    g.setTimer(TimerId::Main, false);
    const Answer a = g.Message(BoxKind::Confirm,
                               "The rod you selected has no bait attached.\r\rWould you like to select a bait for it?",
                               Buttons::OkCancel);
    if (a == Answer::Ok) PopupTackleBox(g);
    g.setTimer(TimerId::Main, wasRunning);
  }
  const auto& cells = f.RodList[static_cast<std::size_t>(row)];
  g.view.baitInUse = cells[1].empty() ? std::string(kNone) : cells[1];
  g.view.colorInUse = cells[2].empty() ? std::string(kNone) : cells[2];
  ShowRetreive(g);
  g.port.processEvents();
  g.DialogUp = false;
  if (g.prefs.BackgroundSoundsOn) g.port.stopSound();
  g.Changed();
}

void TackleBtnClick(Game& g) {
  if (g.fishing.FishOn) return;
  g.DialogUp = true;
  if (g.fishing.CurrentRod == kNoTackle) {
    g.PlayMessage(BoxKind::Plain, "You must select a rod before you can select a bait.");
  } else {
    g.IdleSeconds = 0;
    if (g.tour.ClockRunning) ChargeTime(g, kTackleChangeSeconds);
    g.Changed();
    PopupTackleBox(g);
  }
  g.DialogUp = false;
}

void DrawerClick(Game& g, int drawer) {
  if (!InRange(drawer, kDrawerCount)) return;
  FishingState& f = g.fishing;
  const auto d = static_cast<std::size_t>(drawer);
  g.IdleSeconds = 0;
  f.DrawerCaption = std::string(Drawers[d].title);
  f.DrawerShown = drawer;
  f.DrawerBait = 0;
  f.DrawerColor = 0;
  if (g.PlayModal(WindowId::TBdrawer) != ModalResult::Ok) return;

  if (g.tour.ClockRunning) ChargeTime(g, kTackleChangeSeconds);
  const bool hasBait = InRange(f.DrawerBait, BaitCatalogue[d].size());
  const int color = InRange(f.DrawerColor, ColorCatalogue[d].size()) ? f.DrawerColor : 0;
  g.view.baitInUse = hasBait ? BaitName(drawer, f.DrawerBait) : std::string(kNone);
  g.view.colorInUse = hasBait ? ColorName(drawer, color) : std::string(kNone);
  const int row = RodRow(g);
  auto& cells = f.RodList[static_cast<std::size_t>(row)];
  cells[1] = g.view.baitInUse;
  cells[2] = g.view.colorInUse;
  RodSetup& s = g.prefs.RodSetups[static_cast<std::size_t>(row - 1)];
  // A rod without a bait keeps no drawer or colour either.
  s.drawer = hasBait ? drawer : -1;
  s.bait = hasBait ? f.DrawerBait : -1;
  s.color = hasBait ? color : -1;
  f.CurrentBait = hasBait ? f.DrawerBait : kNoTackle;
  f.CurrentColor = hasBait ? color : kNoTackle;
  f.CurrentDrawer = drawer;
  g.Changed();
  g.port.processEvents();
  g.port.repaintStatusBar();
}

void RetrBtnClick(Game& g) {
  g.DialogUp = true;
  g.IdleSeconds = 0;
  if (g.fishing.menus.PopupRetreiveMenu) g.fishing.menus.PopupRetreiveMenu();
  g.DialogUp = false;
}

void SetRetreive(Game& g, int type) {
  if (RetreiveName(type).empty()) return;
  const bool wasUp = g.DialogUp;
  g.DialogUp = true;
  g.IdleSeconds = 0;
  g.fishing.RetreiveType = type;
  ShowRetreive(g);
  g.port.processEvents();
  g.DialogUp = wasUp;
}

std::string_view RetreiveName(int type) {
  constexpr std::string_view names[] = {"Slow", "Medium", "Fast", "Rippin", "Stop And Go"};
  return InRange(type, std::size(names)) ? names[type] : std::string_view();
}

void ShowRetreive(Game& g) {
  g.view.retreiveInUse = std::string(RetreiveName(g.fishing.RetreiveType));
  g.view.retreiveChecked = g.fishing.RetreiveType;
  g.Changed();
}

std::string LoseBait(Game& g) {
  FishingState& f = g.fishing;
  const bool drawer = InRange(f.CurrentDrawer, kDrawerCount);
  const std::string price = drawer ? std::string(Drawers[static_cast<std::size_t>(f.CurrentDrawer)].price) : "0.00";
  g.boat.DayExpenses += BaitPrice(f.CurrentDrawer);
  f.CurrentBait = kNoTackle;
  f.CurrentColor = kNoTackle;
  if (InRange(f.CurrentRod, kRodCount)) {
    RodSetup& s = g.prefs.RodSetups[static_cast<std::size_t>(f.CurrentRod)];
    s.drawer = s.bait = s.color = -1;
  }
  auto& cells = f.RodList[static_cast<std::size_t>(RodRow(g))];
  cells[1] = cells[2] = std::string(kNone);
  g.view.baitInUse = g.view.colorInUse = std::string(kNone);
  g.Changed();
  return price;
}

void ResetTackleForDay(Game& g) {
  FishingState& f = g.fishing;
  f.CurrentRod = f.CurrentDrawer = f.CurrentBait = f.CurrentColor = kNoTackle;
  f.RetreiveType = 1;
  ShowRetreive(g);
  g.view.rodInUse = "NONE SELECTED";
  g.view.baitInUse = g.view.colorInUse = g.view.retreiveInUse = std::string(kNone);
  g.Changed();
}

}  // namespace lwk
