#pragma once

#include "thermograph/ThermographGrid.h"

#include <string>
#include <vector>

class CThermograph;
class CVotingGame;

/// The name of the custom distribution file of a document: its name with ".custom.txt".
std::string CustomDistributionFileName(const std::string& documentName);

/// The levels of the custom distribution of a value grid: for t = smallest, smallest + s, ...
/// below largest (s = 1 % of the range), the cells whose value is not above t and the members
/// whose ideal points' cells are among them. None when smallest and largest are equal.
std::vector<SThermographLevel> CustomDistributionLevels(const SThermographGrid& grid,
                                                        const CVotingGame& game);

/// The file's text: "area,count" and one "%d,%d" line per level.
std::string CustomDistributionText(const std::vector<SThermographLevel>& levels);

/// The custom distribution while the thermograph is out of date: the win-set area of every
/// cell of the Pareto region (-1 elsewhere) and its levels, stored in the thermograph for
/// painting and for the distribution file. False when the cancel poll stopped it: the previous
/// map stays.
bool MapCustomDistribution(CThermograph& thermograph, CVotingGame& game,
                           const SThermographSettings& settings);
