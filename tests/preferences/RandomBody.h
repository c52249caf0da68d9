#pragma once

#include "GameFixture.h"
#include "platform/CRand.h"

#include <string>

/// Random bodies for comparing fast paths with their references: any preference type
/// (abstainers included), odd and even, weighted by whole, half and decimal votes (zeros too),
/// simple, two-thirds and other rules, absolute and relative plurality, and bodies with
/// coincident members, members on one line, or members on a coarse integer grid.
struct SRandomBody {
    std::string name;

    static double Uniform(double low, double high) {
        return low + (high - low) * CRand::Next() / 32767.0;
    }

    /// Fills the fixture with n members; the name says what kind of body it is.
    static SRandomBody Make(CGameFixture& f, int n) {
        SRandomBody body;
        const int layout = CRand::Next() % 5;
        const int weights = CRand::Next() % 4;
        const bool abstainers = CRand::Next() % 3 == 0;
        static const char* kLayouts[] = {"uniform", "coincident", "collinear", "grid", "line"};
        static const char* kWeights[] = {"unweighted", "whole", "half", "decimal"};
        body.name = std::string(kLayouts[layout]) + " " + kWeights[weights] +
                    " n=" + std::to_string(n) + (abstainers ? " abstainers" : "");
        for (int i = 0; i < n; ++i) {
            double x = Uniform(10, 90), y = Uniform(10, 90);
            if (layout == 1 && i > 0 && i % 3 != 0) {
                const CFPoint& p = f.owned[CRand::Next() % f.owned.size()]->IdealPoint();
                x = p.x;
                y = p.y;
            } else if (layout == 2 && i % 2 == 0) {
                y = 0.5 * x + 10;
            } else if (layout == 3) {
                x = 10 + 10 * (CRand::Next() % 9);
                y = 10 + 10 * (CRand::Next() % 9);
            } else if (layout == 4) {
                y = 100 - x;
            }
            const int type =
                abstainers && CRand::Next() % 5 == 0 ? PREF_ABSTAIN : 1 + CRand::Next() % 8;
            const double vote = weights == 1   ? CRand::Next() % 4
                                : weights == 2 ? 0.5 * (1 + CRand::Next() % 5)
                                               : 0.1 * (1 + CRand::Next() % 9);
            f.AddQuietly(x, y, type == PREF_ABSTAIN ? PREF_ABSTAIN : PREF_TRADEOFF, vote);
            if (type != PREF_ABSTAIN && type != PREF_TRADEOFF)
                f.owned.back()->SetPrefType(type);
        }
        f.Refresh();
        f.game.SetWeightedVoting(weights != 0);
        const int rule = CRand::Next() % 3;
        f.game.SetVoteRule(rule == 0 ? 0.5 : (rule == 1 ? 2.0 / 3.0 : Uniform(0.3, 0.95)));
        f.game.SetAbsolutePlurality(CRand::Next() % 2);
        f.game.SetStatusQuo(CFPoint(Uniform(0, 100), Uniform(0, 100)));
        return body;
    }
};
