// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the window, the clock and the random source, so the
// engine can be driven and watched exactly.
#pragma once

#include "quiz.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace sumbrix::test {

class FakeSurface final : public ControlSurface {
public:
    Quiz *quiz = nullptr;  // receives the nested change events, as the widgets do
    std::map<Control, std::string> texts;
    int rangeTop = 0;
    int index = -1;
    std::vector<std::string> items;
    std::vector<std::string> history;
    int focusCalls = 0;
    std::map<std::string, std::string> words;  // the window's translations

    std::string Text(Control c) const override
    {
        const auto it = texts.find(c);
        return it == texts.end() ? std::string() : it->second;
    }
    void SetText(Control c, const std::string &text) override { texts[c] = text; }
    void SetRangeTop(int value) override
    {
        if (value == rangeTop)
            return;
        rangeTop = value;
        if (quiz)
            quiz->RangeTopChanged(value);
    }
    int OperationIndex() const override { return index; }
    void SetOperationIndex(int i) override
    {
        if (i == index)
            return;
        index = i;
        if (quiz)
            quiz->OperationChosen();
    }
    void AddOperation(const std::string &item) override { items.push_back(item); }
    void AddHistory(const std::string &line) override { history.push_back(line); }
    void FocusAnswer() override { ++focusCalls; }
    std::string Word(const char *english) const override
    {
        const auto it = words.find(english);
        return it == words.end() ? std::string(english) : it->second;
    }
};

class FakeClock final : public Clock {
public:
    double seconds = 43200.0;
    std::string time = "12:00:00";
    double ClockSeconds() override { return seconds; }
    std::string TimeOfDayText() override { return time; }
};

// Hands out the values it was given, then zeros.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<float> values;
    int reseeds = 0;
    void ReseedFromClock() override { ++reseeds; }
    float NextUniform() override
    {
        if (values.empty())
            return 0.0f;
        const float r = values.front();
        values.pop_front();
        return r;
    }
};

// A quiz wired to fakes.
struct Rig {
    FakeSurface surface;
    FakeClock clock;
    ScriptedRandom random;
    Quiz quiz{surface, clock, random};
    Rig() { surface.quiz = &quiz; }

    // Draw values r that make floor(span * r + min) come out as n.
    static float For(int n, int min, int max) { return (n - min + 0.5f) / (max - min + 1); }
    void NextDraws(int d1, int d2)
    {
        const auto &s = quiz.State();
        random.values = {For(d1, s.RangeMin, s.RangeMax), For(d2, s.RangeMin, s.RangeMax)};
    }
    std::string operator[](Control c) const { return surface.Text(c); }
    void Type(const std::string &text) { surface.SetText(Control::txtAnswer, text); }
};

}  // namespace sumbrix::test
