#include "app/curves/exports/AcvCurveFit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace curves::acv {

bool keepsApart(const Knot& left, const Knot& right) {
    return right.input - left.input >= closestSpacing && std::abs(right.output - left.output) >= closestSpacing;
}

bool keepsTheRules(const std::vector<Knot>& knots) {
    if (knots.size() < 2 || knots.size() > maximumKnots) return false;
    if (knots.front() != Knot{0, 0} || knots.back() != Knot{topLevel, topLevel}) return false;
    for (std::size_t i = 1; i < knots.size(); ++i)
        if (knots[i].output < 0 || knots[i].output > topLevel || !keepsApart(knots[i - 1], knots[i])) return false;
    return true;
}

void endAtTheTop(std::vector<Knot>& knots) {
    const Knot top{topLevel, topLevel};
    while (knots.size() > 1 && !keepsApart(knots.back(), top)) knots.pop_back();
    knots.push_back(top);
}

namespace {

// readFraction of every level, worked out once.
const std::array<double, levelCount>& readFractions() {
    static const std::array<double, levelCount> fractions = [] {
        std::array<double, levelCount> read{};
        for (int v = 0; v <= topLevel; ++v) {
            char text[32];
            const auto written = std::to_chars(text, text + sizeof text, v / 255.0, std::chars_format::fixed, 6);
            std::from_chars(text, written.ptr, read[static_cast<std::size_t>(v)]);
        }
        return read;
    }();
    return fractions;
}

// A value of the drawn curve as a whole level: truncated toward zero, as the
// reader converts it, and kept to 0 to 255 (what is not a number draws 0).
int wholeLevel(double scaled) {
    if (!(scaled > 0)) return 0;
    if (scaled >= topLevel) return topLevel;
    return static_cast<int>(scaled);
}

// Draws two or more points into `y`, with `scratch` room for 5 numbers a point.
void draw(std::span<const Knot> knots, double* scratch, Levels& y) {
    const std::size_t n = knots.size();
    constexpr double scale = topLevel;
    // The offsets into a piece, (x - start) * 1. / scale, worked out once.
    static const std::array<double, levelCount> offsets = [] {
        std::array<double, levelCount> o{};
        for (std::size_t k = 0; k < levelCount; ++k) o[k] = static_cast<double>(k) * 1. / scale;
        return o;
    }();
    double* px = scratch;
    double* py = px + n;
    double* h = py + n;
    double* bend = h + n;
    double* above = bend + n;
    const double* read = readFractions().data();
    for (std::size_t i = 0; i < n; ++i) {
        px[i] = read[std::clamp(knots[i].input, 0, topLevel)];
        py[i] = read[std::clamp(knots[i].output, 0, topLevel)];
        bend[i] = 0;
        above[i] = 0;
    }
    // Raw pointers in the loops below: the search draws hundreds of
    // thousands of curves, and unoptimised builds check every index.
    int* level = y.data();
    const double* offset = offsets.data();
    for (std::size_t i = 0; i + 1 < n; ++i) h[i] = px[i + 1] - px[i];
    // The bends at the points (second derivatives, none at the ends), by
    // forward elimination and back substitution, each step in the reader's
    // own order of operations: the levels are truncations, and a last bit
    // may move one.
    for (std::size_t i = 1; i + 1 < n; ++i) bend[i] = 6 * ((py[i + 1] - py[i]) / h[i] - (py[i] - py[i - 1]) / h[i - 1]);
    for (std::size_t i = 1; i < n; ++i) {
        const bool inner = i + 1 < n;
        const double below = inner ? h[i - 1] : 0.0;
        const double diagonal = inner ? 2 * (h[i - 1] + h[i]) : 1.0;
        const double den = diagonal - below * above[i - 1];
        const double k = den != 0 ? 1. / den : 1.;
        above[i] = (inner ? h[i] : 0.0) * k;
        bend[i] = (bend[i] - below * bend[i - 1]) * k;
    }
    for (std::size_t i = n - 1; i-- > 0;) bend[i] = bend[i] - above[i] * bend[i + 1];

    const int first = static_cast<int>(px[0] * scale);
    for (int x = 0; x < first; ++x) level[x] = wholeLevel(py[0] * scale);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double a = py[i];
        const double b = (py[i + 1] - py[i]) / h[i] - h[i] * bend[i] / 2. - h[i] * (bend[i + 1] - bend[i]) / 6.;
        const double c = bend[i] / 2.;
        const double d = (bend[i + 1] - bend[i]) / (6. * h[i]);
        const int start = static_cast<int>(px[i] * scale);
        const int end = std::min(static_cast<int>(px[i + 1] * scale), topLevel);
        for (int x = std::max(start, 0); x <= end; ++x) {
            const double xx = offset[x - start];
            level[x] = wholeLevel((a + b * xx + c * xx * xx + d * xx * xx * xx) * scale);
        }
    }
    for (int x = static_cast<int>(px[n - 1] * scale); x <= topLevel; ++x) level[x] = wholeLevel(py[n - 1] * scale);
}

} // namespace

double readFraction(int level) { return readFractions()[static_cast<std::size_t>(std::clamp(level, 0, topLevel))]; }

Levels drawnLevels(std::span<const Knot> knots) {
    Levels y{};
    const std::size_t n = knots.size();
    if (n < 2) {
        // No points leave every level as it is; one holds its output everywhere.
        for (int x = 0; x <= topLevel; ++x)
            y[static_cast<std::size_t>(x)] = n == 0 ? x : wholeLevel(readFraction(knots[0].output) * topLevel);
    } else if (n <= maximumKnots) {
        std::array<double, 5 * maximumKnots> scratch;
        draw(knots, scratch.data(), y);
    } else {
        std::vector<double> scratch(5 * n);
        draw(knots, scratch.data(), y);
    }
    return y;
}

int tableLevel(double fraction) {
    if (!std::isfinite(fraction)) return 0;
    // Far outside 0 to 1 every value gives the same level; kept in the range
    // of a float before it becomes one.
    return wholeLevel(static_cast<float>(std::clamp(fraction, -2.0, 2.0)) * 255.f);
}

Levels tableLevels(std::span<const double> fractions) {
    Levels levels{};
    for (std::size_t x = 0; x < levelCount && x < fractions.size(); ++x) levels[x] = tableLevel(fractions[x]);
    return levels;
}

bool Fit::betterThan(const Fit& other) const {
    if (reversals != other.reversals) return reversals < other.reversals;
    if (worst != other.worst) return worst < other.worst;
    if (atWorst != other.atWorst) return atWorst < other.atWorst;
    return squared < other.squared;
}

Fit fitOf(const Levels& curve, const Levels& goal) {
    const int* drawn = curve.data();
    const int* target = goal.data();
    Fit fit;
    for (std::size_t x = 0; x < levelCount; ++x) {
        const int difference = std::abs(drawn[x] - target[x]);
        if (difference > fit.worst) {
            fit.worst = difference;
            fit.atWorst = 0;
        }
        if (difference == fit.worst) ++fit.atWorst;
        fit.squared += static_cast<long>(difference) * difference;
        if (x > 0 && drawn[x] < drawn[x - 1] && target[x] >= target[x - 1]) ++fit.reversals;
    }
    return fit;
}

namespace {

// A candidate curve: its points and how its drawn curve fits.
struct Placement {
    std::vector<Knot> knots;
    Fit fit;
};

// How far a drawn curve strays beyond `bound` levels from the target (the
// squares of the excess, and a weight per fall where the target rises), and
// its worst difference.
struct Excess {
    long total = 0;
    int worst = 0;
    long squared = 0; // of all the differences
};

Excess excess(const Levels& curve, const Levels& goal, int bound) {
    // Plain comparisons on raw pointers: this runs once for every curve the
    // search tries.
    const int* drawn = curve.data();
    const int* target = goal.data();
    Excess e;
    for (std::size_t x = 0; x < levelCount; ++x) {
        const int difference = drawn[x] > target[x] ? drawn[x] - target[x] : target[x] - drawn[x];
        if (difference > e.worst) e.worst = difference;
        e.squared += static_cast<long>(difference) * difference;
        if (difference > bound) e.total += static_cast<long>(difference - bound) * (difference - bound);
        if (x > 0 && drawn[x] < drawn[x - 1] && target[x] >= target[x - 1]) e.total += 50;
    }
    return e;
}

// The first input at which the drawn curve is farthest from the target.
int worstLevel(const Levels& curve, const Levels& goal) {
    const int* drawn = curve.data();
    const int* target = goal.data();
    int at = 0, worst = -1;
    for (int x = 0; x <= topLevel; ++x)
        if (const int difference = std::abs(drawn[x] - target[x]); difference > worst) {
            worst = difference;
            at = x;
        }
    return at;
}

// The index of the first point past `input`.
std::size_t pointAfter(const std::vector<Knot>& knots, int input) {
    return static_cast<std::size_t>(
        std::find_if(knots.begin(), knots.end(), [&](const Knot& k) { return k.input > input; }) - knots.begin());
}

// The knots with one more, kept in order; nothing where one stands already.
std::optional<std::vector<Knot>> withKnot(std::vector<Knot> knots, const Knot& added) {
    const auto at = knots.begin() + static_cast<long>(pointAfter(knots, added.input - 1));
    if (at == knots.end() || at->input == added.input) return std::nullopt;
    knots.insert(at, added);
    return knots;
}

// The search for the points: simulated annealing over the points themselves,
// each curve judged by the reader's own drawing. The drawn curve bends
// through every point at once and shifts a piece by a level where an input
// does not keep its level, so moves that look small can change it a lot;
// a search over the real drawing finds what a smooth model misses.
class Fitter {
public:
    explicit Fitter(const std::vector<double>& fractions) : target_(tableLevels(fractions)) {
        for (std::size_t x = 0; x < levelCount; ++x) curve_[x] = fractions[x] * topLevel;
        best_ = placed({{0, 0}, {topLevel, topLevel}});
    }

    std::vector<Knot> run() {
        // Anneals for the worst difference from points spread evenly, few
        // and many, and from points gathered at the bends; then again from
        // the best, hot each time; then for smaller differences at the other
        // levels. Points off the curve go back onto it where that costs
        // nothing at the worst, and single moves settle the rest; those may
        // leave room for another point to go back, and settle again after it.
        const std::vector<Knot> starts[] = {spread(6), spread(10), spread(14), alongTheBends(14)};
        for (const auto& start : starts) anneal(start, startSteps, false);
        for (int round = 0; round < rounds; ++round) anneal(best_.knots, roundSteps, false);
        anneal(best_.knots, closerSteps, true);
        keepPointsOnTheCurve();
        settle();
        while (keepPointsOnTheCurve()) settle();
        return best_.knots;
    }

private:
    static constexpr long startSteps = 37500;
    static constexpr int rounds = 4;
    static constexpr long roundSteps = 37500;
    // For the smaller differences, the excess outweighs any sum of squares:
    // the worst difference and the levels at it are kept.
    static constexpr long closerSteps = 50000;
    static constexpr long excessWeight = 1L << 24;
    // The temperatures a run starts from and ends at, in squared levels of
    // excess: hot enough at first to leave a corner the points have settled
    // in, a jump or a plateau, for another arrangement.
    static constexpr double hottest = 20.0;
    static constexpr double coolest = 0.06;
    // At most this many curves tried by settle.
    static constexpr long settleTrials = 40000;

    Placement placed(std::vector<Knot> knots) const {
        const auto fit = fitOf(drawnLevels(knots), target_);
        return {std::move(knots), fit};
    }

    // Up to `count` points spread evenly over the inputs, on the target.
    std::vector<Knot> spread(int count) const {
        std::vector<int> inputs;
        for (int i = 1; i <= count; ++i) inputs.push_back(i * topLevel / (count + 1));
        return onTarget(inputs);
    }

    // Up to `count` points spread over the inputs by how sharply the target
    // bends: close together at a jump or a corner, far apart where it runs
    // straight.
    std::vector<Knot> alongTheBends(int count) const {
        std::array<double, levelCount> total{};
        for (std::size_t x = 1; x + 1 < levelCount; ++x)
            total[x] = total[x - 1] + std::sqrt(1 + std::abs(target_[x + 1] - 2 * target_[x] + target_[x - 1]));
        total[levelCount - 1] = total[levelCount - 2];
        std::vector<int> inputs;
        std::size_t x = 1;
        for (int i = 1; i <= count; ++i) {
            while (x + 2 < levelCount && total[x] < total.back() * i / (count + 1)) ++x;
            inputs.push_back(static_cast<int>(x));
        }
        return onTarget(inputs);
    }

    // Points on the target at the inputs (ascending), between the fixed
    // ends; those that would not keep apart left out.
    std::vector<Knot> onTarget(const std::vector<int>& inputs) const {
        std::vector<Knot> knots{{0, 0}};
        for (const int x : inputs)
            if (const Knot knot{x, target_[static_cast<std::size_t>(x)]}; keepsApart(knots.back(), knot))
                knots.push_back(knot);
        endAtTheTop(knots);
        return knots;
    }

    // A random whole number 0 to n - 1 (xorshift), the same on every run.
    int randomBelow(int n) {
        random_ ^= random_ << 13;
        random_ ^= random_ >> 7;
        random_ ^= random_ << 17;
        return static_cast<int>(random_ % static_cast<unsigned long long>(n));
    }

    // A small random change to the points; false when it breaks the rules.
    bool change(std::vector<Knot>& knots, const Levels& drawn) {
        const int inner = static_cast<int>(knots.size()) - 2;
        const int kind = randomBelow(100);
        if (kind < 10 || inner == 0) {
            // A point more: anywhere, or by the worst level.
            if (knots.size() >= maximumKnots) return false;
            const int x =
                randomBelow(3) == 0 ? worstLevel(drawn, target_) + randomBelow(9) - 4 : 1 + randomBelow(topLevel - 1);
            if (x <= 0 || x >= topLevel) return false;
            auto more = withKnot(knots, {x, target_[static_cast<std::size_t>(x)] + randomBelow(5) - 2});
            if (!more) return false;
            knots = std::move(*more);
            return keepsTheRules(knots);
        }
        // Mostly any point, now and then one of those on either side of the
        // worst level, where the moves that count are.
        auto i = static_cast<std::size_t>(1 + randomBelow(inner));
        if (randomBelow(4) == 0) {
            const int near = static_cast<int>(pointAfter(knots, worstLevel(drawn, target_))) - 2 + randomBelow(4);
            i = static_cast<std::size_t>(std::clamp(near, 1, inner));
        }
        auto& k = knots[i];
        const int sign = randomBelow(2) ? 1 : -1;
        if (kind < 15) {
            knots.erase(knots.begin() + static_cast<long>(i));
        } else if (kind < 50) {
            k.output += sign * (1 + (randomBelow(4) == 0 ? 1 + randomBelow(6) : 0));
        } else if (kind < 80) {
            // Along the input, level or following the target.
            const int to = k.input + sign * (1 + randomBelow(6));
            if (to <= 0 || to >= topLevel) return false;
            if (randomBelow(2))
                k.output += target_[static_cast<std::size_t>(to)] - target_[static_cast<std::size_t>(k.input)];
            k.input = to;
        } else if (kind < 88) {
            k.input += randomBelow(7) - 3;
            k.output += randomBelow(7) - 3;
        } else if (kind < 95) {
            // Two or three neighbours shifted together along the target.
            const int shift = sign * (1 + randomBelow(4));
            const std::size_t last = std::min(knots.size() - 2, i + 1 + static_cast<std::size_t>(randomBelow(2)));
            for (std::size_t j = i; j <= last; ++j) {
                const int to = knots[j].input + shift;
                if (to <= 0 || to >= topLevel) return false;
                knots[j].output +=
                    target_[static_cast<std::size_t>(to)] - target_[static_cast<std::size_t>(knots[j].input)];
                knots[j].input = to;
            }
        } else {
            // Two neighbours' outputs together, the same way or apart.
            if (i + 2 >= knots.size()) return false;
            knots[i].output += sign;
            knots[i + 1].output += randomBelow(2) ? sign : -sign;
        }
        return keepsTheRules(knots);
    }

    // Asks for a curve a level closer than the best so far and anneals
    // towards it from `current`: random changes that bring the excess down
    // are kept, those that raise it now and then, less often as the run
    // cools; asks again each time one is found. `closer`: the smaller sum of
    // squared differences counts too, below any excess.
    void anneal(std::vector<Knot> current, long steps, bool closer) {
        const auto energyOf = [&](const Excess& e) { return closer ? e.total * excessWeight + e.squared : e.total; };
        auto drawn = drawnLevels(current);
        if (const auto fit = fitOf(drawn, target_); fit.betterThan(best_.fit)) best_ = {current, fit};
        int bound = std::max(0, best_.fit.worst - 1);
        auto currentExcess = excess(drawn, target_, bound);
        std::vector<Knot> trial;
        for (long step = 0; step < steps && best_.fit.worst > 0; ++step) {
            const double temperature = hottest * std::pow(coolest / hottest, double(step) / double(steps));
            trial = current;
            if (!change(trial, drawn)) continue;
            const auto trialDrawn = drawnLevels(trial);
            const auto trialExcess = excess(trialDrawn, target_, bound);
            const long rise = energyOf(trialExcess) - energyOf(currentExcess);
            if (rise > 0 && randomBelow(1 << 20) >= std::exp(-double(rise) / temperature) * (1 << 20)) continue;
            std::swap(current, trial);
            drawn = trialDrawn;
            currentExcess = trialExcess;
            if (currentExcess.worst > best_.fit.worst) continue;
            if (const auto fit = fitOf(drawn, target_); fit.betterThan(best_.fit)) best_ = {current, fit};
            if (currentExcess.total == 0 && bound > 0) {
                bound = std::max(0, best_.fit.worst - 1);
                currentExcess = excess(drawn, target_, bound);
            }
        }
    }

    // The moves tried from a curve by settle: each inner point by a few
    // levels in output, in input level or along the target, and a point
    // added at or moved to the levels by the worst one.
    std::vector<std::vector<Knot>> moves(const std::vector<Knot>& knots) const {
        std::vector<std::vector<Knot>> result;
        const auto add = [&](std::vector<Knot> k) {
            if (keepsTheRules(k)) result.push_back(std::move(k));
        };
        for (std::size_t i = 1; i + 1 < knots.size(); ++i) {
            const Knot k = knots[i];
            for (const int step : {1, -1, 2, -2, 4, -4}) {
                auto moved = knots;
                moved[i].output = k.output + step;
                add(std::move(moved));
                const int to = k.input + step;
                if (to <= 0 || to >= topLevel) continue;
                moved = knots;
                moved[i].input = to;
                add(moved);
                moved[i].output += target_[static_cast<std::size_t>(to)] - target_[static_cast<std::size_t>(k.input)];
                add(std::move(moved));
            }
        }
        const int worstAt = worstLevel(drawnLevels(knots), target_);
        for (int to = std::max(1, worstAt - 3); to <= std::min(topLevel - 1, worstAt + 3); ++to) {
            const Knot there{to, target_[static_cast<std::size_t>(to)]};
            if (knots.size() < maximumKnots)
                if (auto more = withKnot(knots, there)) add(std::move(*more));
            for (std::size_t i = 1; i + 1 < knots.size(); ++i) {
                auto fewer = knots;
                fewer.erase(fewer.begin() + static_cast<long>(i));
                if (auto moved = withKnot(std::move(fewer), there)) add(std::move(*moved));
            }
        }
        return result;
    }

    int pointsOffTheCurve(const std::vector<Knot>& knots) const {
        return static_cast<int>(std::count_if(knots.begin(), knots.end(), [&](const Knot& k) {
            return std::fabs(k.output - curve_[static_cast<std::size_t>(k.input)]) > pointTolerance;
        }));
    }

    // Takes the first move that improves the fit (fewer levels at the worst
    // difference, smaller differences) and takes no point off the curve,
    // while one does.
    void settle() {
        long trials = 0;
        for (bool improved = true; improved && trials < settleTrials;) {
            improved = false;
            const int off = pointsOffTheCurve(best_.knots);
            for (auto& trial : moves(best_.knots)) {
                if (pointsOffTheCurve(trial) > off) continue;
                ++trials;
                if (auto candidate = placed(std::move(trial)); candidate.fit.betterThan(best_.fit)) {
                    best_ = std::move(candidate);
                    improved = true;
                    break;
                }
            }
        }
    }

    // Each point off the curve by more than pointTolerance goes onto it, at
    // its input or a few levels along, where the drawn curve stays as close
    // at its worst (no more falls, no greater worst difference); of the
    // places that do, the one that fits best. Whether a point went onto it.
    bool keepPointsOnTheCurve() {
        bool moved = false;
        for (std::size_t i = 1; i + 1 < best_.knots.size(); ++i) {
            const Knot k = best_.knots[i];
            if (std::fabs(k.output - curve_[static_cast<std::size_t>(k.input)]) <= pointTolerance) continue;
            std::optional<Placement> onCurve;
            for (int input = std::max(1, k.input - 3); input <= std::min(topLevel - 1, k.input + 3); ++input) {
                const double at = curve_[static_cast<std::size_t>(input)];
                for (const double output : {std::floor(at), std::ceil(at)}) {
                    auto knots = best_.knots;
                    knots[i] = {input, static_cast<int>(output)};
                    if (!keepsTheRules(knots)) continue;
                    auto candidate = placed(std::move(knots));
                    const auto& fit = candidate.fit;
                    const bool free = fit.reversals <= best_.fit.reversals && fit.worst <= best_.fit.worst;
                    if (free && (!onCurve || fit.betterThan(onCurve->fit))) onCurve = std::move(candidate);
                }
            }
            if (onCurve) {
                best_ = std::move(*onCurve);
                moved = true;
            }
        }
        return moved;
    }

    Levels target_{};
    std::array<double, levelCount> curve_{};
    Placement best_;
    unsigned long long random_ = 0x9E3779B97F4A7C15ull;
};

} // namespace

std::vector<Knot> placeKnots(const std::vector<double>& fractions) {
    if (fractions.size() != levelCount) return {{0, 0}, {topLevel, topLevel}};
    return Fitter(fractions).run();
}

} // namespace curves::acv
