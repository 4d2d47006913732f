// The closest a legal .acv can come to the .cube of a correction, as a
// reader draws both, found by a search that shares nothing with the export's
// own fit but the reader's drawing, the measures of a curve and the file's
// rules (acv::drawnLevels and acv::tableLevels, checked level for level
// against ffmpeg by the export's test; acv::fitOf, acv::keepsTheRules,
// acv::endAtTheTop): 16 independent runs of simulated
// annealing over the points themselves, from points spread at random, half
// of them starting hot and half cool, each lowering a bound on the worst
// difference and looking for a curve within it, each cycle polished by every
// single-point move. Legal: (0, 0) and (255, 255) fixed, at most 16 whole
// points, inputs rising, neighbours more than 3 levels apart in input and
// output. Of two curves the one with fewer falls where the .cube rises wins,
// then the smaller worst difference, the fewer levels at it, the smaller sum
// of squares.
//
// Prints per wedge the export's fit and the search's best, and how many runs
// reached it; the best figures go into the wedges' table.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/curves/exports/AcvCurveFit.h"
#include "app/curves/exports/CorrectionExport.h"
#include "platform/Log.h"
#include "tests/support/acv_wedges.h"

namespace {

using curves::acv::Fit;
using curves::acv::Knot;
using curves::acv::Levels;
namespace acv = curves::acv;

struct Curve {
    std::vector<Knot> knots;
    Fit fit;
};

// How far a drawn curve is from keeping within `bound` of the table: the
// squares of the excess, and a large weight per fall where the table rises.
long excess(const Levels& drawn, const Levels& table, int bound) {
    long total = 0;
    for (std::size_t x = 0; x < acv::levelCount; ++x) {
        const int over = std::abs(drawn[x] - table[x]) - bound;
        if (over > 0) total += static_cast<long>(over) * over;
        if (x > 0 && drawn[x] < drawn[x - 1] && table[x] >= table[x - 1]) total += 50;
    }
    return total;
}

class Run {
public:
    // `hot`: the temperature a cycle starts from; runs differ in it.
    Run(const Levels& table, unsigned seed, double hot) : table_(table), random_(seed), hot_(hot) {}

    // Anneals from `start` for `steps` moves per bound, lowering the bound
    // each time a curve within it is found.
    Curve anneal(std::vector<Knot> start, long steps) {
        Curve best{start, acv::fitOf(acv::drawnLevels(start), table_)};
        auto current = std::move(start);
        int bound = std::max(0, best.fit.worst - 1);
        long energy = excess(acv::drawnLevels(current), table_, bound);
        for (long step = 0; step < steps; ++step) {
            const double cycle = double(step % (steps / 4 + 1)) / double(steps / 4 + 1);
            const double temperature = hot_ * std::pow(0.05 / hot_, cycle);
            auto next = current;
            if (!propose(next)) continue;
            const auto drawn = acv::drawnLevels(next);
            const long nextEnergy = excess(drawn, table_, bound);
            const long change = nextEnergy - energy;
            if (change > 0 && std::uniform_real_distribution<double>(0, 1)(random_) >= std::exp(-change / temperature))
                continue;
            current = std::move(next);
            energy = nextEnergy;
            const auto fit = acv::fitOf(drawn, table_);
            if (fit.betterThan(best.fit)) best = {current, fit};
            if (energy == 0 && bound > 0) {
                bound = std::max(0, best.fit.worst - 1);
                energy = excess(drawn, table_, bound);
            }
        }
        polish(best);
        return best;
    }

    // Every single move of a point by up to 3 levels in input and output,
    // every removal and every added point on the table, while one helps.
    void polish(Curve& curve) const {
        bool improved = true;
        while (improved) {
            improved = false;
            std::vector<std::vector<Knot>> trials;
            const auto& k = curve.knots;
            for (std::size_t i = 1; i + 1 < k.size(); ++i) {
                for (int di = -3; di <= 3; ++di)
                    for (int dout = -3; dout <= 3; ++dout) {
                        if (di == 0 && dout == 0) continue;
                        auto moved = k;
                        moved[i] = {k[i].input + di, k[i].output + dout};
                        trials.push_back(std::move(moved));
                    }
                auto fewer = k;
                fewer.erase(fewer.begin() + static_cast<long>(i));
                trials.push_back(std::move(fewer));
            }
            if (k.size() < acv::maximumKnots)
                for (int x = 1; x < acv::topLevel; ++x) {
                    auto more = k;
                    const auto at = std::find_if(more.begin(), more.end(), [&](const Knot& q) { return q.input >= x; });
                    if (at->input == x) continue;
                    more.insert(at, Knot{x, table_[static_cast<std::size_t>(x)]});
                    trials.push_back(std::move(more));
                }
            for (auto& trial : trials) {
                if (!acv::keepsTheRules(trial)) continue;
                const auto fit = acv::fitOf(acv::drawnLevels(trial), table_);
                if (fit.betterThan(curve.fit)) {
                    curve = {std::move(trial), fit};
                    improved = true;
                }
            }
        }
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // A small random change; false when it breaks the rules.
    bool propose(std::vector<Knot>& knots) {
        const int inner = static_cast<int>(knots.size()) - 2;
        const int kind = uniform(0, 99);
        if (kind < 10 || inner == 0) {
            if (knots.size() >= acv::maximumKnots) return false;
            const int x = uniform(1, acv::topLevel - 1);
            const auto at = std::find_if(knots.begin(), knots.end(), [&](const Knot& q) { return q.input >= x; });
            if (at->input == x) return false;
            knots.insert(at, Knot{x, std::clamp(table_[static_cast<std::size_t>(x)] + uniform(-2, 2), 0, 255)});
            return acv::keepsTheRules(knots);
        }
        const auto i = static_cast<std::size_t>(uniform(1, inner));
        auto& k = knots[i];
        const int sign = uniform(0, 1) ? 1 : -1;
        if (kind < 15) {
            knots.erase(knots.begin() + static_cast<long>(i));
        } else if (kind < 50) {
            k.output += sign * (1 + (uniform(0, 3) == 0 ? uniform(1, 6) : 0));
        } else if (kind < 80) {
            const int to = k.input + sign * uniform(1, 6);
            if (to <= 0 || to >= acv::topLevel) return false;
            if (uniform(0, 1))
                k.output += table_[static_cast<std::size_t>(to)] - table_[static_cast<std::size_t>(k.input)];
            k.input = to;
        } else if (kind < 85) {
            k.input += uniform(-3, 3);
            k.output += uniform(-3, 3);
        } else if (kind < 92) {
            // A run of neighbours moved as one along the table.
            const int by = sign * uniform(1, 5);
            const auto until = std::min(knots.size() - 2, i + static_cast<std::size_t>(uniform(1, 3)));
            for (auto j = i; j <= until; ++j) {
                const int to = knots[j].input + by;
                if (to <= 0 || to >= acv::topLevel) return false;
                knots[j] = {to, knots[j].output + table_[static_cast<std::size_t>(to)] -
                                    table_[static_cast<std::size_t>(knots[j].input)]};
            }
        } else {
            if (i + 1 >= knots.size() - 1) return false;
            knots[i].output += sign;
            knots[i + 1].output += uniform(0, 1) ? sign : -sign;
        }
        return acv::keepsTheRules(knots);
    }

    const Levels& table_;
    std::mt19937 random_;
    double hot_;
};

// Points spread evenly over the inputs, at the table's levels, those that
// would not keep apart left out.
std::vector<Knot> spreadPoints(const Levels& table, int count, std::mt19937& random) {
    std::vector<Knot> knots{{0, 0}};
    for (int i = 1; i <= count; ++i) {
        const int x = std::clamp(i * acv::topLevel / (count + 1) + std::uniform_int_distribution<int>(-5, 5)(random), 1,
                                 acv::topLevel - 1);
        const Knot knot{x, table[static_cast<std::size_t>(x)]};
        if (acv::keepsApart(knots.back(), knot)) knots.push_back(knot);
    }
    acv::endAtTheTop(knots);
    return knots;
}

std::string pointsText(const std::vector<Knot>& knots) {
    std::string text;
    for (const auto& k : knots) text += " " + std::to_string(k.input) + ":" + std::to_string(k.output);
    return text;
}

// The worst difference, where it falls first and the rest of the fit.
std::string fitText(const Curve& curve, const Levels& table) {
    const auto drawn = acv::drawnLevels(curve.knots);
    int at = 0;
    for (std::size_t x = 0; x < acv::levelCount; ++x)
        if (std::abs(drawn[x] - table[x]) == curve.fit.worst) {
            at = static_cast<int>(x);
            break;
        }
    char text[160];
    std::snprintf(text, sizeof text, "worst %2d at %3d (%d there), %d levels at it, squares %ld, falls %d, %zu points",
                  curve.fit.worst, at, drawn[static_cast<std::size_t>(at)], curve.fit.atWorst, curve.fit.squared,
                  curve.fit.reversals, curve.knots.size());
    return text;
}

void searchWedge(const std::string& name, const std::vector<double>& correction, double seconds, unsigned threads) {
    const auto image = curves::imageSpaceCurve(correction);
    std::vector<double> fractions;
    for (const double y : image) fractions.push_back(y / 100);
    const Levels table = acv::tableLevels(fractions);
    std::vector<Knot> exported;
    for (const auto& [output, input] : curves::makeAcvCurvePoints(image).compCurvePoints)
        exported.push_back({input, output});
    const Curve exportCurve{exported, acv::fitOf(acv::drawnLevels(exported), table)};

    constexpr int runs = 16;
    std::vector<Curve> found(runs);
    std::mutex next;
    int started = 0;
    using Clock = std::chrono::steady_clock;
    // Each run's share of the time.
    const auto share =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds * threads / runs));
    auto work = [&]() {
        for (;;) {
            int run = 0;
            {
                std::lock_guard lock(next);
                if (started == runs) return;
                run = started++;
            }
            std::mt19937 random(static_cast<unsigned>(run) * 7919 + 1);
            Run search(table, static_cast<unsigned>(run) + 1, run % 2 ? 20.0 : 3.0);
            Curve best{spreadPoints(table, 6 + run % 9, random), {}};
            best.fit = acv::fitOf(acv::drawnLevels(best.knots), table);
            // Annealed again from its best until the run's share of the time is spent.
            const auto end = Clock::now() + share;
            while (Clock::now() < end) {
                auto curve = search.anneal(best.knots, 200000);
                if (curve.fit.betterThan(best.fit)) best = std::move(curve);
            }
            found[static_cast<std::size_t>(run)] = std::move(best);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work);
    for (auto& thread : pool) thread.join();

    const auto best = *std::min_element(found.begin(), found.end(),
                                        [](const Curve& a, const Curve& b) { return a.fit.betterThan(b.fit); });
    const auto reached =
        std::count_if(found.begin(), found.end(), [&](const Curve& c) { return c.fit.worst == best.fit.worst; });
    std::printf("%s\n  export: %s\n         %s\n  search: %s (%ld of %d runs at that worst)\n         %s\n",
                name.c_str(), fitText(exportCurve, table).c_str(), pointsText(exported).c_str(),
                fitText(best, table).c_str(), reached, runs, pointsText(best.knots).c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    // The model's own printing would bury the figures.
    platform::setStandardOutputSink([](std::string_view) {});
    platform::setDevLogSink([](std::string_view) {});
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60;
    const unsigned threads = std::clamp(std::thread::hardware_concurrency() / 2, 1u, 4u);
    // Wedge files named after the time, or the table's wedges whose names
    // contain the name given.
    std::vector<std::pair<std::string, std::filesystem::path>> wedges;
    std::string only;
    for (int i = 2; i < argc; ++i) {
        if (std::filesystem::is_regular_file(argv[i]))
            wedges.emplace_back(std::filesystem::path(argv[i]).filename().string(), argv[i]);
        else
            only = argv[i];
    }
    const auto scratch = std::filesystem::temp_directory_path() / "acv-best-search";
    if (wedges.empty()) {
        std::filesystem::create_directories(scratch);
        for (const auto& wedge : acv_wedges::allWedges())
            wedges.emplace_back(wedge.name, acv_wedges::wedgeFile(wedge, TINTSMITH_TESTDATA, scratch));
    }
    for (const auto& [name, file] : wedges) {
        if (!only.empty() && name.find(only) == std::string::npos) continue;
        const auto correction = acv_wedges::correctionOf(file);
        if (!correction) {
            std::printf("%s: no correction\n", name.c_str());
            continue;
        }
        searchWedge(name, *correction, seconds, threads);
    }
    std::filesystem::remove_all(scratch);
    return 0;
}
