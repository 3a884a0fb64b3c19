// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz engine: state, the controls it talks to, and the drill itself.
// Plain C++; the window supplies real widgets, clock and randomness, tests
// supply fakes.
#pragma once

#include "conversions.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace sumbrix {

// Everything starts at zero; nothing survives the window.
struct QuizState {
    Integer Answer = 0;
    Integer Arg1 = 0;
    Integer Arg2 = 0;
    Integer NWrong = 0;
    Integer NRight = 0;
    Integer NTotal = 0;
    Integer PctRight = 0;
    Integer RangeMin = 0;
    Integer RangeMax = 0;
    Long StartTime = 0;
    Long Elapsed = 0;
    Integer Weight = 0;
    Long Score = 0;  // 32 bits: a long session must not stop the drill
    Integer Draw1 = 0;
    Integer Draw2 = 0;

    bool operator==(const QuizState &) const = default;
};

// The captions and texts the engine reads and writes.
enum class Control {
    txtMin,
    txtMax,
    lblOps,
    lblArg1,
    lblArg2,
    txtAnswer,
    lblNRight,
    lblNWrong,
    lblPctRight,
    lblScore,
    lblTimer,
};

// The window's controls as the engine sees them. Setting the operation index
// or the scroll bar's value to something new runs that control's handler
// before the setter returns, as the real widgets do.
class ControlSurface {
public:
    virtual ~ControlSurface() = default;
    virtual std::string Text(Control c) const = 0;  // caption or text, UTF-8
    virtual void SetText(Control c, const std::string &text) = 0;
    virtual void SetRangeTop(int value) = 0;  // HScroll1.Value
    virtual int OperationIndex() const = 0;  // boxOp.ListIndex, -1 for none
    virtual void SetOperationIndex(int index) = 0;
    virtual void AddOperation(const std::string &item) = 0;  // boxOp.AddItem
    virtual void AddHistory(const std::string &line) = 0;  // List1.AddItem
    virtual void FocusAnswer() = 0;  // txtAnswer.SetFocus
    // A word of the drill's own (an operation's name, "Begin") as the user
    // reads it: the window translates it, the engine stays in English.
    virtual std::string Word(const char *english) const { return english; }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual double ClockSeconds() = 0;  // since local midnight, with fraction
    virtual std::string TimeOfDayText() = 0;  // in the user's time format
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void ReseedFromClock() = 0;
    virtual float NextUniform() = 0;  // 0 <= r < 1
};

// Re-seeding stirs the clock into the state instead of replacing it, so
// two problems drawn within one clock tick still differ.
class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(Clock &clock) : clock_(clock) {}
    void ReseedFromClock() override;
    float NextUniform() override;

private:
    Clock &clock_;
    std::uint64_t state_ = 0x5eed'ba5e'd00d'f00dULL;
};

struct Operation {
    const char *item;    // as listed in boxOp
    const char *symbol;  // as shown in lblOps
    Integer rangeMin;
};

// Listed in this order, so an item's position is its OperationIndex.
inline constexpr std::array<Operation, 4> kOperations{{
    {"Division", "/", 1},  // never divides by zero
    {"Multiplication", "x", 0},
    {"Subtraction", "-", 0},
    {"Addition", "+", 0},
}};

inline constexpr Integer kStartRangeTop = 6;
inline constexpr int kAddition = 3;

// One window's drill. Every event either completes or, on arithmetic
// overflow, leaves state, controls and history exactly as they were and
// returns false.
class Quiz {
public:
    Quiz(ControlSurface &surface, Clock &clock, RandomSource &random)
        : surface_(surface), clock_(clock), random_(random)
    {
    }

    const QuizState &State() const { return s_; }
    QuizState &State() { return s_; }

    void Start();                     // the start-up sequence
    bool OperationChosen();           // boxOp changed
    bool RangeTopChanged(int value);  // the scroll bar moved
    void TimerTick();                 // refresh the seconds on this problem
    bool NewProblem();
    bool CheckAnswer();  // grade the typed answer, then draw the next problem

    // The history line of an answer; `typed` only for a wrong one.
    static std::string HistoryLine(const std::string &time, Integer attempt, const std::string &arg1,
                                   const std::string &ops, const std::string &arg2,
                                   const std::optional<std::string> &typed);

private:
    struct Problem {
        Integer draw1, draw2, arg1, arg2;
        std::optional<Integer> answer;  // none when the caption is no operator
        Long startTime;
    };
    std::optional<Integer> Draw(const QuizState &s);
    std::optional<Problem> DrawProblem(const QuizState &s, const std::string &ops);
    void Show(const Problem &p);

    ControlSurface &surface_;
    Clock &clock_;
    RandomSource &random_;
    QuizState s_;
};

}  // namespace sumbrix
