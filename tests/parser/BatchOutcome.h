#pragma once
// What a run of X values gives: the values up to the first failing X and
// that X's message, from Value() one X at a time or from Values() at once.
#include <cstring>
#include <string>
#include <vector>

#include "parser/Parser10.h"
#include "parser/ProcessRandom.h"

struct BatchOutcome {
    std::vector<double> values;
    std::string error;
    double lastX = 0;

    bool operator==(const BatchOutcome& o) const {
        return error == o.error && lastX == o.lastX && values.size() == o.values.size() &&
               (values.empty() || std::memcmp(values.data(), o.values.data(), values.size() * sizeof(double)) == 0);
    }
};

inline BatchOutcome oneAtATime(TPars& p, const std::vector<double>& xs) {
    BatchOutcome o;
    kv::setRandomSeed(1);
    try {
        for (double x : xs) {
            p.X = x;
            o.values.push_back(p.Value());
        }
    } catch (const kv::Error& e) {
        o.error = e.what();
    }
    o.lastX = p.X;
    return o;
}

inline BatchOutcome allAtOnce(TPars& p, const std::vector<double>& xs) {
    BatchOutcome o;
    kv::setRandomSeed(1);
    o.values.resize(xs.size());
    size_t done = 0;
    try {
        p.Values(xs.data(), o.values.data(), xs.size(), done);
    } catch (const kv::Error& e) {
        o.error = e.what();
    }
    o.values.resize(done);
    o.lastX = p.X;
    return o;
}
