// Timing and summing up for the benchmark: a figure is the median of repeated runs with
// their minimum and maximum; the table prints each figure beside the goal it answers.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figure {
    double median = 0, min = 0, max = 0;
    bool empty = true;
};

inline Figure summarise(std::vector<double> values)
{
    Figure f;
    if (values.empty())
        return f;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    f.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    f.min = values.front();
    f.max = values.back();
    f.empty = false;
    return f;
}

// Ratio of paired runs: a[i] / b[i] for each i, summed up as one figure.
inline Figure pairedRatio(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        ratios.push_back(b[i] > 0 ? a[i] / b[i] : 0);
    return summarise(ratios);
}

// One line of the table. `limit` > 0 gives a goal: the median must stay below it.
struct Row {
    Row(std::string what_, Figure figure_, std::string unit_, double limit_ = 0, std::string goal_ = {})
        : what(std::move(what_))
        , figure(figure_)
        , unit(std::move(unit_))
        , limit(limit_)
        , goal(std::move(goal_))
    {
    }
    std::string what;
    Figure figure;
    std::string unit; // "ms", "MiB", "x"
    double limit = 0;
    std::string goal; // as printed, e.g. "< 16 ms"
};

inline void printTable(const std::vector<Row>& rows)
{
    std::printf("%-56s %9s %9s %9s  %-10s %s\n", "what", "median", "min", "max", "goal", "");
    for (const Row& r : rows) {
        if (r.figure.empty) {
            std::printf("%s\n", r.what.c_str());
            continue;
        }
        const char* verdict = r.limit <= 0 ? "" : r.figure.median <= r.limit ? "met" : "NOT MET";
        const std::string unit = r.unit == "x" ? "x" : " " + r.unit;
        auto cell = [&](double v) {
            char buf[32];
            std::snprintf(buf, sizeof buf, r.unit == "x" ? "%.2f%s" : "%.2f%s", v, unit.c_str());
            return std::string(buf);
        };
        std::printf("%-56s %9s %9s %9s  %-10s %s\n", r.what.c_str(), cell(r.figure.median).c_str(),
            cell(r.figure.min).c_str(), cell(r.figure.max).c_str(), r.goal.c_str(), verdict);
    }
}

} // namespace bench
