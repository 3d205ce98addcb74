#pragma once
// The tackle: the sixteen rigged rods, the seven drawers of the tacklebox with
// their baits, colours, replacement prices and snag ratings, the angler's rod
// setups and the tackle in use, the rod box and drawer windows' handlers, the
// retrieve menu and the loss of a bait.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "shell/Settings.h"

namespace lwk {

class Game;

constexpr int kDrawerCount = 7;
constexpr int kNoTackle = 255;            // CurrentRod, CurrentBait, CurrentColor: none
constexpr int kTackleChangeSeconds = 30;  // opening the tacklebox, and taking a bait from a drawer
constexpr int kRodChangeSeconds = 60;

// The rod descriptions shown in the rod box, rod 0 first.
inline constexpr std::array<std::string_view, kRodCount> RodNames{
    "Pistol Grip Cast, 5 1/2 foot, Medium Action, 10lb Line",
    "Pistol Grip Cast, 6 foot, Heavy Action, 14lb Line",
    "Two Hand Crankin, 6 1/2 foot Fiberglass, 14lb FireLine",
    "Two Hand Flippin' Stick, Heavy Action, 25lb Line",
    "Two Hand Cast, 6 foot, Heavy Action, 18lb Line",
    "Two Hand Cast, 6 1/2 foot, Med/Light Action, 14lb Line",
    "Two Hand Cast, 6 1/2 foot, Medium Action, 18lb Line",
    "Two Hand Cast, 7 foot, Med/Light Action, 10lb Line",
    "Two Hand Cast, 7 foot, Medium Action, 14lb Line",
    "Two Hand Cast, 7 foot, Carolina Rigged, 14lb Line",
    "Two Hand Cast, Heavy Action, 18lb Line",
    "Spinning, 5 1/2 foot, Light Action, 6lb Line",
    "Spinning, 6 foot, Light Action, 8lb Line",
    "Spinning, 6 foot, Med/Light Action, 8lb Line",
    "Spinning, 6 foot, Med/Light Split Shot Rigged, 8lb Line",
    "Spinning, 6 1/2 foor, Medium Action, 10lb Line",
};
constexpr std::size_t kRodNameMax = 55;

// One drawer of the tacklebox.
struct Drawer {
  std::string_view menuItem;     // the TackleBox menu item's name
  std::string_view menuCaption;  // its caption ("&&" is a plain "&")
  std::string_view title;        // the drawer window's caption
  std::string_view picture;      // the drawer's picture
  std::string_view price;        // replacement price of a lost bait, dollars as shown in messages
  std::size_t baitMax;           // longest bait name
  std::size_t colorMax;          // longest colour name
};

inline constexpr std::array<Drawer, kDrawerCount> Drawers{{
    {"CrankbaitsJerkbaits1", "Crankbaits && Hard Jerkbaits", "Tacklebox Drawer 1 - Crankbaits & Jerkbaits", "Cranks1",
     "4.00", 28, 20},
    {"SpinnerbaitsSpinners1", "Spinnerbaits && Spinners", "Tacklebox Drawer 2 - Spinnerbaits & Spinners", "SPbaits1",
     "3.50", 36, 20},
    {"Spoons1", "Spoons", "Tacklebox Drawer 3 - Spoons", "Spoon1", "2.50", 27, 17},
    {"TopwaterBaits1", "Topwater Baits", "Tacklebox Drawer 4 - Topwater Baits", "TopW1", "4.50", 24, 17},
    {"PlasticWormsLizardsEtc1", "Plastic Worms, Lizards Etc.", "Tacklebox Drawer 5 - Plastic Worms, Lizards Etc.",
     "Worms1", ".25", 29, 19},
    {"SoftJerkBaits1", "Soft Jerk Baits (Gitzits, Sluggos Etc.)",
     "Tacklebox Drawer 6 - Soft Jerk Baits (Sluggos, Gitzits Etc.)", "SofJerk1", ".30", 33, 21},
    {"Jigs1", "Jigs", "Tacklebox Drawer 7 - Jigs", "Jigs1", "1.50", 34, 17},
}};

// Per drawer: the lure models (maker and model), the colours and the snag
// rating of each bait (a fouled bait stays snagged with chance
// (rating - 1) / rating, so 1 is weedless). The fish pick baits by index.
extern const std::array<std::span<const std::string_view>, kDrawerCount> BaitCatalogue;
extern const std::array<std::span<const std::string_view>, kDrawerCount> ColorCatalogue;
extern const std::array<std::span<const std::uint8_t>, kDrawerCount> SnagRatings;

// The price of a lost bait of drawer d as a number of dollars.
double BaitPrice(int drawer);
// True when the setup holds a bait of the catalogue. A setup read from a
// hand-edited LWK.INI may name a drawer, bait or colour that does not exist:
// such a rod counts as carrying no bait.
bool RodHasBait(const RodSetup& setup);
// Names of a bait and a colour; "NONE" for one the catalogue lacks.
std::string BaitName(int drawer, int bait);
std::string ColorName(int drawer, int color);

// --- the rod box ---
// Fills the rod box's grid: the header texts and, for every rod, its name and
// the bait and colour of its setup ("NONE" and "NONE" without a bait).
void FillRodList(Game& g);
// The rod Selection button: the rod box, then the chosen rod goes into use.
void RodSelBtnClick(Game& g);

// --- the tacklebox ---
void TackleBtnClick(Game& g);
// A drawer picked from the TackleBox menu (0..6): its window, and on OK the
// chosen bait and colour go on the rod in use.
void DrawerClick(Game& g, int drawer);

// --- the retrieve ---
void RetrBtnClick(Game& g);
// Slow1Click .. StopGo1Click: retrieve 0..4.
void SetRetreive(Game& g, int type);
// "Slow", "Medium", "Fast", "Rippin", "Stop And Go"; empty for other values.
std::string_view RetreiveName(int type);
// The retrieve panel and the checked RetreiveMenu item from RetreiveType
// (the callers let the window repaint).
void ShowRetreive(Game& g);

// The bait on the rod in use is gone (snagged off, a wild cast, a broken
// line): its price goes to the day's expenses, the rod carries no bait any
// more. Returns the price text for the caller's message ("${price}").
std::string LoseBait(Game& g);

// The start of a tournament day: no rod, bait or colour in use, the Medium
// retrieve, every panel blank. The rod setups are kept.
void ResetTackleForDay(Game& g);

}  // namespace lwk
