#pragma once

#include "model/Member.h"

/// The base vote value: the weight when the member's weighted flag is set, otherwise 1.
inline double BaseVote(const CMember& member) {
    return member.Weighted() == 1 ? member.VoteWeight() : 1.0;
}
