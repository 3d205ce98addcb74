#pragma once
// The field of forty computer anglers and the player, their day weights, the
// daily lunker award and the standings window with its printout.

#include <array>
#include <string>

#include "tournament/TournamentState.h"

class QDate;
class QLocale;

namespace lwk {

class Game;

// The computer anglers' names, row k of the field takes name k.
extern const std::array<const char*, kFieldSize> CompetitorNames;

// Two decimals, "." whatever the locale.
std::string Fixed2(double v);
// A name cut to its first n characters (never inside a character).
std::string CutName(const std::string& name, int n);

// A new tournament: the forty anglers with no weight, the player's row, and
// the entry form asking for the player's name.
void NewField(Game& g);
// The whole-pound range of the computer anglers' day weights by play level.
int FieldWeightRange(int playLevel);
// One text-built weight: whole pounds a, hundredths written as b is (so b 5
// gives a.5); below 1 pound counts as 0.
double TextWeight(int a, int b);
// The computer anglers' weights for the day and the day's lunker award; the
// player wins the award when playerBiggestFish is heavier than the lunker.
void GenerateFieldWeights(Game& g, int day, double playerBiggestFish);

// Fills the standings window's contents (sorted field, highlight, title).
void StandingsFormShow(Game& g);
// Opens the standings window modally.
void ShowStandings(Game& g);
// The main window's "View Current Standings" menu item.
void ViewCurrentStandings1Click(Game& g);
// Prints the standings as shown.
void StandingsPrintBtnClick(Game& g);

// Today's date in the short date format, at most 10 characters.
std::string TodayText();
// A day in the locale's short date format, or as "yyyy-MM-dd" where that
// format takes more than ten characters.
std::string TodayText(const QLocale& locale, const QDate& day);

}  // namespace lwk
